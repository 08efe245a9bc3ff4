#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// Where the window's file dialogs start: the folder of the current project,
// else the folder a file was last chosen or written in (kept in the user's
// settings), else the home folder; a save dialog proposes the project's name
// (its file's, else the object's of its properties, else «Проект») with the
// extension of the file it saves.

// The owner of the user's settings of the program (recent files, folders).
inline const QString kSettingsOwner = QStringLiteral("solargain");

// The folder a dialog of `parent`'s window starts in.
QString DialogFolder(QWidget* parent);

// The file a save dialog of `parent`'s window proposes.
QString ProposedFileName(QWidget* parent, const QString& suffix);

// Starts a dialog there: an open dialog in the folder, a save dialog on the
// proposed name with `suffix`.
void StartDialogAtProject(QFileDialog& dialog, QWidget* parent, const QString& suffix = {});

// Keeps the folder of a file chosen or written as the last used one.
void RememberDialogFolder(const QString& file);
