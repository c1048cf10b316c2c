// Showing the names off beyond the game: Edit > Copy as (HTML, BBCode, a terminal's colours,
// Discord) for the editor used last, and File > Export picture....
#pragma once

#include <QObject>

#include <functional>
#include <memory>

#include "core/share_text.h"

class QAction;
class QMenu;
class QWidget;

namespace chromlet::ui {

class GameCharset;
class NameEditor;
class PictureDialog;

class ShareActions : public QObject {
    Q_OBJECT

  public:
    /// What the actions need of the main window: the names as they are now, the charset of the
    /// chosen game (null when not found), and the editor used last, which shows the notes.
    struct Sources {
        std::function<std::shared_ptr<const NamesReport>()> names;
        std::function<std::shared_ptr<const GameCharset>()> charset;
        std::function<NameEditor*()> editor;
        std::function<bool()> editorIsServer;
    };

    ShareActions(Sources sources, QWidget* owner);

    /// Copy as: the four formats, then whether the names go as written.
    QMenu* CopyAsMenu() const { return copyAs_; }
    QAction* ExportPictureAction() const { return exportPicture_; }
    /// The dialog; null until it was first opened.
    PictureDialog* Dialog() const { return dialog_; }

    void CopyAs(ShareFormat format);
    /// The names changed: an open picture dialog draws them again.
    void Follow();
    void ExportPicture();

  private:
    Sources sources_;
    QWidget* owner_;
    QMenu* copyAs_;
    QAction* asWritten_;
    QAction* exportPicture_;
    PictureDialog* dialog_ = nullptr;
};

}  // namespace chromlet::ui
