#include "common/ui/named_widgets.h"

#include <QPushButton>

QPushButton* MakeButton(QWidget* parent, const QString& objectName, const QString& caption)
{
    return Named(new QPushButton(caption, parent), objectName);
}
