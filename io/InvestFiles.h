#ifndef INVESTFILES_H
#define INVESTFILES_H

#include <QString>

#include <functional>

// Asks for a file name; an empty result means the user cancelled. Tests answer in place of
// the dialogs through one of these.
using FileNameProvider = std::function<QString()>;

// Asks for a file name (the dialog "Save invest file" unless `ask` is given) and saves the
// text there. A cancelled dialog does nothing; a failed save is reported in the message box
// "Unable to save file" and leaves an existing file as it was. True when the file was written.
bool WriteInvestFile(QString text, const FileNameProvider &ask = FileNameProvider());

// Asks for a file (the dialog "Open Invest File" unless `ask` is given) and, when it can be
// read, replaces `text` with its content. A cancel leaves `text` alone silently; a file that
// cannot be read is reported in the message box "Unable to open file" and leaves it alone
// too. True when `text` was replaced.
bool ReadInvestFile(QString &text, const FileNameProvider &ask = FileNameProvider());

#endif // INVESTFILES_H
