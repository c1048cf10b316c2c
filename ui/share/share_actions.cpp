#include "ui/share/share_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSettings>

#include "config/settings_keys.h"
#include "ui/editor/name_editor.h"
#include "ui/share/picture_dialog.h"

namespace chromlet::ui {

namespace {

struct FormatCaption {
    ShareFormat format;
    const char* caption;  // in the menu
    const char* name;     // in the note
};

constexpr FormatCaption FormatCaptions[] = {
    {ShareFormat::Html, QT_TRANSLATE_NOOP("chromlet::ui::ShareActions", "&HTML"),
     QT_TRANSLATE_NOOP("chromlet::ui::ShareActions", "HTML")},
    {ShareFormat::BBCode, QT_TRANSLATE_NOOP("chromlet::ui::ShareActions", "&BBCode (forums)"),
     QT_TRANSLATE_NOOP("chromlet::ui::ShareActions", "BBCode")},
    {ShareFormat::Ansi, QT_TRANSLATE_NOOP("chromlet::ui::ShareActions", "&Terminal colours (ANSI)"),
     QT_TRANSLATE_NOOP("chromlet::ui::ShareActions", "terminal colours")},
    {ShareFormat::Discord, QT_TRANSLATE_NOOP("chromlet::ui::ShareActions", "&Discord"),
     QT_TRANSLATE_NOOP("chromlet::ui::ShareActions", "a Discord code block")},
};

}  // namespace

ShareActions::ShareActions(Sources sources, QWidget* owner)
    : QObject(owner), sources_(std::move(sources)), owner_(owner) {
    // Every letter of "Copy as" is taken by a button or a neighbour in the menu.
    copyAs_ = new QMenu(tr("Copy as &formatted text"), owner);
    copyAs_->setObjectName(QStringLiteral("CopyAsMenu"));
    for (const FormatCaption& format : FormatCaptions) {
        copyAs_->addAction(tr(format.caption), this, [this, &format] { CopyAs(format.format); });
    }
    copyAs_->addSeparator();
    asWritten_ = copyAs_->addAction(tr("As &written, not as the game keeps it"));
    asWritten_->setCheckable(true);
    asWritten_->setChecked(QSettings().value(settings::ShareAsWritten, false).toBool());
    connect(asWritten_, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(settings::ShareAsWritten, on); });

    exportPicture_ = new QAction(tr("Export &picture..."), this);
    exportPicture_->setToolTip(tr("Save or copy a picture of the names as the game draws them"));
    connect(exportPicture_, &QAction::triggered, this, &ShareActions::ExportPicture);
}

void ShareActions::CopyAs(ShareFormat format) {
    NameEditor* editor = sources_.editor();
    const std::shared_ptr<const NamesReport> names = sources_.names();
    if (!names || !editor) {
        return;
    }
    const SharedName which = sources_.editorIsServer() ? SharedName::Server : SharedName::Player;
    const bool asWritten = asWritten_->isChecked();
    const std::string text = ShareText(SharedGlyphs(*names, which, asWritten), format);
    if (text.empty()) {
        editor->ShowNote(tr("The name is empty: nothing was copied."));
        return;
    }
    const QString copied = QString::fromUtf8(text.data(), qsizetype(text.size()));
    auto* data = new QMimeData;
    data->setText(copied);
    if (format == ShareFormat::Html) {
        data->setHtml(copied);
    }
    QApplication::clipboard()->setMimeData(data);
    const char* name = "";
    for (const FormatCaption& caption : FormatCaptions) {
        name = caption.format == format ? caption.name : name;
    }
    const bool differs = SharedGlyphs(*names, which, true) != SharedGlyphs(*names, which, false);
    editor->ShowNote(
        !differs    ? tr("Copied as %1.").arg(tr(name))
        : asWritten ? tr("Copied as %1, as written: the game shows it otherwise.").arg(tr(name))
                    : tr("Copied as %1, as the game keeps it. Edit > Copy as formatted "
                         "text > As written gives it as you wrote it.")
                          .arg(tr(name)));
}

void ShareActions::Follow() {
    if (dialog_ && dialog_->isVisible()) {
        dialog_->SetNames(sources_.names(), sources_.charset());
    }
}

void ShareActions::ExportPicture() {
    if (!dialog_) {
        dialog_ = new PictureDialog(owner_);
    }
    dialog_->SetNames(sources_.names(), sources_.charset());
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

}  // namespace chromlet::ui
