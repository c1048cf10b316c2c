#include "ui/dialog.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QValidator>

#include <limits>

#include "config/config_updater.h"
#include "ui/control_table.h"
#include "ui/latin1.h"
#include "ui/texts.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

namespace chromlet::ui {

namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    {"Text1", K::TextBox, "", 75, 135, 4515, 315},
    {"Text2", K::TextBox, "", 75, 510, 4515, 315},
    {"Frame3", K::HorizontalDivider, "", 45, 930, 4560, 30},
    {"Command1", K::Button, "Add Chromlet to q3config.cfg", 930, 1080, 2625, 345},
    {"OKButton", K::Button, "OK", 3660, 1065, 915, 375},
};

constexpr int kClientWidth = 4695;
constexpr int kClientHeight = 1575;

// A configuration line is one line of single bytes: the boxes take ISO 8859-1 characters
// only, and no line breaks.
class ConfigLineValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input) {
            if (c.unicode() > 0xFF || c == u'\n' || c == u'\r') {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

}  // namespace

Dialog::Dialog(FileChooser chooser, QWidget* parent)
    : QDialog(parent), chooser_(std::move(chooser)), cmd_(StoredChooserSettings()) {
    setWindowTitle(FromLatin1(kDialogCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips(kClientWidth), twips(kClientHeight));
    setFont(UiFont());
    setSizeGripEnabled(false);

    for (const ControlSpec& control : kLayout) {
        CreateControl(control, this);
    }
    text1_ = findChild<QLineEdit*>(QStringLiteral("Text1"));
    text2_ = findChild<QLineEdit*>(QStringLiteral("Text2"));
    for (QLineEdit* box : {text1_, text2_}) {
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setValidator(new ConfigLineValidator(box));
    }
    auto* command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* ok = findChild<QPushButton*>(QStringLiteral("OKButton"));
    command1->setToolTip(FromLatin1(kUpdateToolTip));
    // Neither button is the default: Enter in a text box must not write the file.
    for (QPushButton* button : {command1, ok}) {
        button->setDefault(false);
        button->setAutoDefault(false);
    }
    connect(command1, &QPushButton::clicked, this, &Dialog::Command1_Click);
    connect(ok, &QPushButton::clicked, this, &Dialog::OKButton_Click);

    setTabOrder(ok, text1_);
    setTabOrder(text1_, text2_);
    setTabOrder(text2_, command1);
    ok->setFocus(Qt::OtherFocusReason);
}

void Dialog::SetText1(const std::string& line) {
    text1_->setText(FromLatin1(line));
}
void Dialog::SetText2(const std::string& line) {
    text2_->setText(FromLatin1(line));
}
std::string Dialog::Text1() const {
    return ToLatin1(text1_->text());
}
std::string Dialog::Text2() const {
    return ToLatin1(text2_->text());
}

void Dialog::Command1_Click() {
    const QString path = ChooseExistingFile(chooser_, this, cmd_);
    if (path.isEmpty()) {
        return;  // cancelled: nothing is written
    }
    const UpdateResult result = ConfigUpdater(path, Text1(), Text2());
    if (!result.Ok()) {
        QMessageBox::warning(this,
                             QStringLiteral("Could not update %1").arg(QFileInfo(path).fileName()),
                             DescribeFailure(result));
    }
}

void Dialog::OKButton_Click() {
    accept();
}

}  // namespace chromlet::ui
