#ifndef SAFESAVE_H
#define SAFESAVE_H

// Saving a file so that nothing is lost: the new content takes the old one's place in one
// step, or the old content stays.

#include <QByteArray>
#include <QString>

// What a file name may name when it is opened or saved. The window takes regular files
// only (a new name, an existing regular file or a link to one): a pipe without a partner
// would block it for good, and a device or directory is no investment file. The exporter,
// like any command-line tool, also reads pipes and devices.
enum class FileTargets { Any, RegularOnly };

// Why a file of this mode (st_mode) is refused where only regular files are taken.
QString NotRegularFileText(const QByteArray &nativePath, unsigned mode);

// Writes bytes to a file. A regular file is replaced atomically: the bytes go to a hidden
// temporary file beside it (".NAME.qvtmp-XXXXXX", with the mode of the file it replaces),
// which is synced and then renamed over the file; the folder is synced after the rename,
// so that a power loss cannot bring the old name back. Temporary copies of the same target
// that an interrupted save left behind are removed first. A failed save leaves an existing
// file untouched. When the directory does not allow that (it is read-only, or sticky and the
// file is another user's) an existing regular file is overwritten in place, after room for
// the new bytes was reserved; the message of a failure then says which case it was. With
// FileTargets::Any a device or pipe is written to directly; with FileTargets::RegularOnly it
// is refused, and so is a loop of symbolic links. Every failure returns false with a
// description in `error`; a full disk says so.
bool SaveBytesFile(const QString &path, const QByteArray &bytes, QString *error,
    FileTargets targets = FileTargets::Any);

// Writes a text as the bytes SavedTextBytes gives (the locale's encoding), as above.
bool SaveTextFile(const QString &path, const QString &text, QString *error,
    FileTargets targets = FileTargets::Any);

// The description of a failed write: the system's, and for a full disk (or quota) a Dutch
// sentence that says so.
QString WriteErrorText(int error);

#endif // SAFESAVE_H
