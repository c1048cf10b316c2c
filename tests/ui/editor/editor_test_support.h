// Helpers for the tests that type into the name editors.
#pragma once

#include <QString>

#include "core/styled_text.h"
#include "ui/editor/name_editor.h"

namespace chromlet::test {

/// Replaces the editor's whole text, every character white and in the standard font.
inline void SetEditorText(ui::NameEditor* editor, const QString& text) {
    editor->setPlainText(text);
    InitialStyling(*editor);
}

}  // namespace chromlet::test
