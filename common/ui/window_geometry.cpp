#include "common/ui/window_geometry.h"

#include <QSettings>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

QSettings GeometryFile(const QString& program)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, program, program + u"_fenster"_s);
}

} // namespace

void RestoreWindowGeometry(QWidget* window, const QString& program)
{
    const QByteArray stored = GeometryFile(program).value(window->objectName()).toByteArray();
    if (!stored.isEmpty())
        window->restoreGeometry(stored);
}

void SaveWindowGeometry(const QWidget* window, const QString& program)
{
    GeometryFile(program).setValue(window->objectName(), window->saveGeometry());
}

void BringToFront(QWidget& window)
{
    if (window.isMinimized())
        window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}
