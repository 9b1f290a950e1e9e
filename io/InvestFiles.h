#ifndef INVESTFILES_H
#define INVESTFILES_H

#include <QString>

#include <functional>

// Asks for a file name; an empty result means the user cancelled. Tests answer in place of
// the dialogs through one of these.
using FileNameProvider = std::function<QString()>;

// The name `provider` gives, or else the one the user picks in the file dialog with this
// caption and filter, starting in `folder`. Empty when the user cancelled.
QString AskForFileName(const FileNameProvider &provider, bool save, const QString &caption, const char *filter,
    const QString &folder = QString());

#endif // INVESTFILES_H
