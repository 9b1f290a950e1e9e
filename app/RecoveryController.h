#ifndef RECOVERYCONTROLLER_H
#define RECOVERYCONTROLLER_H

#include "io/RecoveryFile.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>

QT_BEGIN_NAMESPACE
class QLockFile;
class QWidget;
QT_END_NAMESPACE

// Keeps unsaved work in a recovery file. While the document has unsaved changes it is
// written a few seconds after the last change, by a thread of its own, so an edit never waits
// for the disk; once the document is saved, discarded or closed cleanly the file goes. At the
// next start a file left behind by a crash is offered back.
class RecoveryController : public QObject
{
    Q_OBJECT

public:
    // What the portfolio on screen is, as a record to keep (called when it is written).
    using RecordSource = std::function<RecoveryRecord()>;
    // Shows recovered work as an unsaved document.
    using Restorer = std::function<bool(const RecoveryRecord &)>;

    RecoveryController(QWidget *window, RecordSource source, Restorer restorer);
    ~RecoveryController() override;

    // The folder of the recovery files (default: DefaultRecoveryFolder()).
    void setFolder(const QString &folder);
    // How long after the last change the work is written (default 3 s).
    void setDelay(int milliseconds);

    // Offers each recovery file left behind: "Herstellen" shows it, "Verwerpen" deletes it.
    // A file that cannot be read is reported and deleted. Returns true when work was restored.
    bool offerLeftWork();

    // This program's own recovery file; empty until it is first written.
    QString ownFile() const { return m_ownFile; }

    // Waits until every write and removal asked for so far has been done.
    void flush();

public slots:
    // The document changed; `unsaved` tells whether it now differs from its file.
    void documentChanged(bool unsaved);

private:
    void writeNow();
    void removeOwnFile();

    QWidget *m_window;
    RecordSource m_source;
    Restorer m_restorer;
    QString m_folder;
    QString m_ownFile;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
    QThreadPool m_disk; // one thread: writes and removals happen in the order asked
    bool m_written = false;
};

#endif // RECOVERYCONTROLLER_H
