#include "common/ui/window_geometry.h"

#include <QSettings>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString kGeometryKey = u"Fenster/Geometrie"_s;

} // namespace

void RestoreWindowGeometry(QWidget& window, const QSettings& settings)
{
    // restoreGeometry() moves a window whose screen is gone back onto one.
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
}

void SaveWindowGeometry(const QWidget& window, QSettings& settings)
{
    settings.setValue(kGeometryKey, window.saveGeometry());
}

void BringToFront(QWidget& window)
{
    if (window.isMinimized())
        window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}
