#include "ui/common/control_table.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

#include "ui/common/latin1.h"
#include "ui/common/twips.h"
#include "ui/common/ui_font.h"

namespace chromlet::ui {

QRect ControlSpec::Rect() const {
    return TwipsRect(left, top, width, height);
}

QString Caption(const ControlSpec& control) {
    return FromLatin1(control.caption);
}

namespace {

QFrame* CreateDivider(QFrame::Shape shape, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

// Labels and buttons show their caption in the user's language, looked up under the context of
// the window that shows them. Editors and text boxes hold data, which is never translated.
QString ShownCaption(const ControlSpec& control, const QWidget* parent) {
    if (control.caption.empty() || !parent) {
        return Caption(control);
    }
    const std::string source(control.caption);
    return QCoreApplication::translate(parent->window()->metaObject()->className(), source.c_str());
}

}  // namespace

QWidget* CreateControl(const ControlSpec& control, QWidget* parent,
                       const OwnControlMaker& makeOwn) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::Label:
        case ControlKind::BoldLabel: {
            auto* label = new QLabel(ShownCaption(control, parent), parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setFont(UiFont(8.25, control.kind == ControlKind::BoldLabel));
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(Caption(control), parent);
            widget = box;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(ShownCaption(control, parent), parent);
            button->setFocusPolicy(Qt::StrongFocus);
            button->setAutoDefault(false);
            widget = button;
            break;
        }
        case ControlKind::HorizontalDivider:
            widget = CreateDivider(QFrame::HLine, parent);
            break;
        case ControlKind::VerticalDivider:
            widget = CreateDivider(QFrame::VLine, parent);
            break;
        case ControlKind::Editor:
        case ControlKind::Preview:
        case ControlKind::Budget:
        case ControlKind::FileBudget:
            widget = makeOwn(control, parent);
            break;
    }
    widget->setObjectName(FromLatin1(control.name));
    widget->setGeometry(control.Rect());
    return widget;
}

}  // namespace chromlet::ui
