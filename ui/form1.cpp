#include "ui/form1.h"

#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "config/load_names.h"
#include "config/seta_reader.h"
#include "core/color_code.h"
#include "core/color_decode.h"
#include "core/memory_styled_text.h"
#include "ui/control_table.h"
#include "ui/dialog.h"
#include "ui/game_preview.h"
#include "ui/latin1.h"
#include "ui/name_editor.h"
#include "ui/texts.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

namespace chromlet::ui {

namespace {

using K = ControlKind;
using C = PaletteColor;

constexpr std::string_view Cap(C c) {
    return Palette(c).caption;
}

// Left, top, width and height in twips.
constexpr ControlSpec kLayout[] = {
    {"Label1", K::Label, "Name:", 120, 60, 1140, 240},
    {"rtb", K::Editor, "Player", 105, 330, 3060, 330},
    {"Command1", K::Button, Cap(C::Black), 120, 705, 930, 330},
    {"Command2", K::Button, Cap(C::Red), 1035, 705, 930, 330},
    {"Command19", K::Button, "Q3 Font", 2160, 705, 975, 330},
    {"Command4", K::Button, Cap(C::Green), 120, 1020, 930, 330},
    {"Command5", K::Button, Cap(C::Yellow), 1035, 1020, 930, 330},
    {"Command21", K::Button, "Alt. Font", 2160, 1020, 975, 330},
    {"Command3", K::Button, Cap(C::Blue), 120, 1335, 930, 330},
    {"Command7", K::Button, Cap(C::Cyan), 1035, 1335, 930, 330},
    {"Command6", K::Button, Cap(C::Magenta), 120, 1650, 930, 330},
    {"Command8", K::Button, Cap(C::White), 1035, 1650, 930, 330},
    {"Label5", K::Label, "Server name:", 120, 2055, 1140, 240},
    {"rtb2", K::Editor, "noname", 105, 2325, 3060, 330},
    {"Command18", K::Button, Cap(C::Black), 120, 2700, 930, 330},
    {"Command17", K::Button, Cap(C::Red), 1035, 2700, 930, 330},
    {"Command20", K::Button, "Q3 Font", 2160, 2715, 975, 330},
    {"Command16", K::Button, Cap(C::Green), 120, 3015, 930, 330},
    {"Command15", K::Button, Cap(C::Yellow), 1035, 3015, 930, 330},
    {"Command22", K::Button, "Alt. Font", 2160, 3030, 975, 330},
    {"Command14", K::Button, Cap(C::Blue), 120, 3330, 930, 330},
    {"Command12", K::Button, Cap(C::Cyan), 1035, 3330, 930, 330},
    {"Command13", K::Button, Cap(C::Magenta), 120, 3645, 930, 330},
    {"Command11", K::Button, Cap(C::White), 1035, 3645, 930, 330},
    {"Frame3", K::HorizontalDivider, "", 90, 4065, 3225, 30},
    {"Command9", K::Button, "&Show code", 1035, 4170, 1080, 345},
    {"Command10", K::Button, "&Exit", 2205, 4170, 1080, 345},
    {"Frame1", K::VerticalDivider, "", 3360, -45, 45, 4620},
    {"Label2", K::BoldLabel, "Instructions:", 3510, 60, 1140, 240},
    {"Label3", K::Label, kInstructions, 3495, 270, 3420, 1440},
    {"Label4", K::Label, "", 3480, 3900, 3420, 615},
    // Beyond the original window, in the free space between the instructions and the credits.
    {"Label6", K::BoldLabel, "In game:", 3510, 1800, 1140, 240},
    {"Preview1", K::Preview, "", 3495, 2055, 3420, 900},
    {"Command23", K::Button, "&Load from q3config.cfg...", 3495, 3090, 2400, 345},
};

constexpr int kClientWidth = 7065;
constexpr int kClientHeight = 4620;

// The documented focus order, first to last.
constexpr std::string_view kTabOrder[] = {
    "rtb",       "Command1",  "Command2",  "Command3",  "Command4",  "Command5",
    "Command6",  "Command7",  "Command8",  "Command9",  "Command10", "Command11",
    "Command12", "Command13", "Command14", "Command15", "Command16", "Command17",
    "Command18", "rtb2",      "Command19", "Command21", "Command20", "Command22",
};

// The link shows the address without its scheme, so that the line fits the label.
QString CreditsHtml() {
    const QUrl url(FromLatin1(kHomePage));
    const QString shown = url.toString(QUrl::RemoveScheme | QUrl::StripTrailingSlash).mid(2);
    return QStringLiteral("%1 %2<br>For news and updates: <a href=\"%3\">%4</a>")
        .arg(FromLatin1(kProductName), FromLatin1(kVersion), url.toString().toHtmlEscaped(),
             shown.toHtmlEscaped());
}

}  // namespace

struct Form1::StyleButton {
    enum class Editor { Player, Server };
    enum class Operation { Color, Font };
    std::string_view name;
    Editor editor;
    Operation operation;
    PaletteColor color;  // for Color
    bool q3Font;         // for Font
};

void Form1::StyleButton_Click(const StyleButton& button) {
    NameEditor* editor = button.editor == StyleButton::Editor::Player ? rtb_ : rtb2_;
    if (button.operation == StyleButton::Operation::Color) {
        ApplyColor(*editor, PackedOf(button.color));
    } else {
        SetFontFlag(*editor, button.q3Font);
    }
}

Form1::Form1(FileChooser chooser, QWidget* parent)
    : QWidget(parent), chooser_(std::move(chooser)), loadChooser_(StoredChooserSettings()) {
    using E = StyleButton::Editor;
    using O = StyleButton::Operation;
    // Which editor and which colour or font flag each style button applies.
    static constexpr StyleButton kStyleButtons[] = {
        {"Command1", E::Player, O::Color, C::Black, true},
        {"Command2", E::Player, O::Color, C::Red, true},
        {"Command3", E::Player, O::Color, C::Blue, true},
        {"Command4", E::Player, O::Color, C::Green, true},
        {"Command5", E::Player, O::Color, C::Yellow, true},
        {"Command6", E::Player, O::Color, C::Magenta, true},
        {"Command7", E::Player, O::Color, C::Cyan, true},
        {"Command8", E::Player, O::Color, C::White, true},
        {"Command19", E::Player, O::Font, C::White, true},
        {"Command21", E::Player, O::Font, C::White, false},
        {"Command18", E::Server, O::Color, C::Black, true},
        {"Command17", E::Server, O::Color, C::Red, true},
        {"Command14", E::Server, O::Color, C::Blue, true},
        {"Command16", E::Server, O::Color, C::Green, true},
        {"Command15", E::Server, O::Color, C::Yellow, true},
        {"Command13", E::Server, O::Color, C::Magenta, true},
        {"Command12", E::Server, O::Color, C::Cyan, true},
        {"Command11", E::Server, O::Color, C::White, true},
        {"Command20", E::Server, O::Font, C::White, true},
        {"Command22", E::Server, O::Font, C::White, false},
    };

    setWindowTitle(FromLatin1(kMainCaption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(kClientWidth), twips(kClientHeight));
    setFont(UiFont());
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/chromlet-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/chromlet-32.png"), QSize(32, 32));
    setWindowIcon(icon);

    for (const ControlSpec& control : kLayout) {
        CreateControl(control, this);
    }
    rtb_ = findChild<NameEditor*>(QStringLiteral("rtb"));
    rtb2_ = findChild<NameEditor*>(QStringLiteral("rtb2"));

    auto* credits = findChild<QLabel*>(QStringLiteral("Label4"));
    credits->setTextFormat(Qt::RichText);
    credits->setText(CreditsHtml());
    credits->setOpenExternalLinks(true);
    credits->setTextInteractionFlags(Qt::TextBrowserInteraction);
    credits->setFocusPolicy(Qt::NoFocus);

    for (const StyleButton& button : kStyleButtons) {
        connect(findChild<QPushButton*>(FromLatin1(button.name)), &QPushButton::clicked, this,
                [this, &button] { StyleButton_Click(button); });
    }
    connect(findChild<QPushButton*>(QStringLiteral("Command9")), &QPushButton::clicked, this,
            &Form1::Command9_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command10")), &QPushButton::clicked, this,
            &Form1::Command10_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command23")), &QPushButton::clicked, this,
            &Form1::Command23_Click);
    findChild<QPushButton*>(QStringLiteral("Command23"))
        ->setToolTip(QStringLiteral("Load the player name and server name from a q3config.cfg"));

    preview_ = findChild<GamePreview*>(QStringLiteral("Preview1"));
    for (NameEditor* editor : {rtb_, rtb2_}) {
        connect(editor, &NameEditor::styledTextChanged, this, &Form1::UpdatePreview);
    }

    QWidget* previous = nullptr;
    for (std::string_view name : kTabOrder) {
        QWidget* next = findChild<QWidget*>(FromLatin1(name));
        if (previous) {
            setTabOrder(previous, next);
        }
        previous = next;
    }

    Form_Load();
    rtb_->setFocus(Qt::OtherFocusReason);
}

void Form1::Form_Load() {
    InitialStyling(*rtb_);
    InitialStyling(*rtb2_);
    UpdatePreview();
}

// Encodes copies, so that the preview never moves the selection the user is about to style.
void Form1::UpdatePreview() {
    MemoryStyledText player = MemoryStyledText::CopyOf(*rtb_);
    MemoryStyledText server = MemoryStyledText::CopyOf(*rtb2_);
    const SetaLines lines = BuildShowCodeLines(player, server);
    preview_->SetLines(lines.name, lines.server);
}

void Form1::Command9_Click() {
    const SetaLines lines = BuildShowCodeLines(*rtb_, *rtb2_);
    Dialog dialog(chooser_, this);
    dialog.SetText1(lines.name);
    dialog.SetText2(lines.server);
    dialog.exec();
}

void Form1::Command10_Click() {
    close();
}

void Form1::Command23_Click() {
    const QString path = ChooseExistingFile(chooser_, this, loadChooser_);
    if (path.isEmpty()) {
        return;  // cancelled
    }
    const LoadedNames loaded = LoadNames(path);
    if (!loaded.Ok()) {
        QMessageBox::warning(this, QStringLiteral("Could not load the names"),
                             DescribeLoadFailure(loaded));
        return;
    }
    rtb_->ReplaceStyledText(loaded.playerName);
    rtb2_->ReplaceStyledText(loaded.serverName);
}

}  // namespace chromlet::ui
