#include "korav/forms/connection_indicator.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {

const QColor kTransparent(192, 192, 192);

// A cloud on the transparent grey.
QPixmap Cloud(const QColor& colour)
{
    QPixmap pixmap(32, 20);
    pixmap.fill(kTransparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(colour);
    QPainterPath path;
    path.addEllipse(2, 8, 12, 10);
    path.addEllipse(9, 2, 14, 14);
    path.addEllipse(18, 7, 12, 11);
    painter.drawPath(path.simplified());
    return pixmap;
}

QLabel* HiddenImage(QWidget* parent, const QString& name, const QPixmap& picture, const QString& hint)
{
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setPixmap(picture);
    image->setToolTip(hint);
    image->hide();
    return image;
}

} // namespace

TConnectionIndicator::TConnectionIndicator(QWidget* parent)
    : QWidget(parent),
      onlineImage_(HiddenImage(parent, u"OnlineImage"_s, Cloud(Qt::white), u"Offline"_s)),
      wolkeGruenImage_(HiddenImage(parent, u"WolkeGruenImage"_s, Cloud(QColor(0, 160, 0)), u"Online"_s))
{
    setObjectName(u"PaintBox1"_s);
    setFixedSize(32, 20);
}

void TConnectionIndicator::showOnline()
{
    onlineImage_->setPixmap(wolkeGruenImage_->pixmap());
    onlineImage_->setToolTip(wolkeGruenImage_->toolTip());
    online_ = true;
    update();
}

void TConnectionIndicator::paintEvent(QPaintEvent*)
{
    QPixmap picture = onlineImage_->pixmap();
    picture.setMask(picture.createMaskFromColor(kTransparent));
    QPainter(this).drawPixmap(0, 0, picture);
}
