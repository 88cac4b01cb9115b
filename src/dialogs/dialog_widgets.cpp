#include "dialogs/dialog_widgets.h"

#include <QLabel>
#include <QPushButton>

QLabel* makePathDisplay(QWidget* parent, const char* objectName, int minimumWidth)
{
    auto* display = new QLabel(parent);
    display->setObjectName(QString::fromLatin1(objectName));
    display->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    display->setTextInteractionFlags(Qt::TextSelectableByMouse);
    display->setMinimumWidth(minimumWidth);
    display->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return display;
}

QPushButton* makeButton(const QString& text, const char* objectName, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}
