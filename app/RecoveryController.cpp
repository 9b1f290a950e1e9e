#include "app/RecoveryController.h"

#include "app/LanguageMenu.h"
#include "io/InvestFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int DefaultDelay = 3000;

// The name the box shows for the work's own file.
QString shownFileName(const QString &originalFile)
{
    return originalFile.isEmpty() ? QCoreApplication::translate("RecoveryController", "Naamloos") : QFileInfo(originalFile).fileName();
}

} // namespace

RecoveryController::RecoveryController(QWidget *window, RecordSource source, Restorer restorer)
    : QObject(window)
    , m_window(window)
    , m_source(std::move(source))
    , m_restorer(std::move(restorer))
    , m_folder(DefaultRecoveryFolder())
{
    m_disk.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(DefaultDelay);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryController::writeNow);
}

RecoveryController::~RecoveryController()
{
    // A clean exit leaves nothing to recover.
    m_timer.stop();
    removeOwnFile();
    m_disk.waitForDone();
}

void RecoveryController::setFolder(const QString &folder)
{
    m_folder = folder;
}

void RecoveryController::setDelay(int milliseconds)
{
    m_timer.setInterval(milliseconds);
}

void RecoveryController::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        m_timer.stop();
        removeOwnFile();
    }
}

void RecoveryController::flush()
{
    m_disk.waitForDone();
}

void RecoveryController::documentChanged(bool unsaved)
{
    if (!m_enabled)
        return;
    if (unsaved) {
        m_timer.start(); // again: a few seconds after the last change
        return;
    }
    m_timer.stop();
    removeOwnFile();
}

void RecoveryController::writeNow()
{
    if (!m_source)
        return;
    RecoveryRecord record = m_source();
    record.written = QDateTime::currentDateTimeUtc();
    if (m_ownFile.isEmpty())
        m_ownFile = NewRecoveryFileName(m_folder);
    m_written = true;
    const QString folder = m_folder;
    const QString file = m_ownFile;
    if (!m_lock) {
        m_lock = std::make_unique<QLockFile>(RecoveryLockName(file));
        m_lock->setStaleLockTime(0);
    }
    QLockFile *lock = m_lock.get();
    // The text is put together and written off the window's thread.
    m_disk.start([folder, file, lock, record]() {
        QDir().mkpath(folder);
        if (!lock->isLocked())
            lock->tryLock(0);
        QString error;
        if (!SaveBytesFile(file, RecoveryFileBytes(record), &error))
            qWarning("Quorvant: could not write the recovery file %s: %s", qPrintable(file), qPrintable(error));
    });
}

void RecoveryController::removeOwnFile()
{
    if (!m_written)
        return;
    m_written = false;
    const QString file = m_ownFile;
    QLockFile *lock = m_lock.get();
    m_disk.start([file, lock]() {
        QFile::remove(file);
        if (lock && lock->isLocked())
            lock->unlock();
    });
}

bool RecoveryController::offerLeftWork()
{
    for (const QString &path : LeftRecoveryFiles(m_folder)) {
        // Held while it is offered, so that a second program started meanwhile leaves it alone.
        QLockFile lock(RecoveryLockName(path));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        RecoveryRecord record;
        QString error;
        if (!ReadRecoveryFile(path, &record, &error)) {
            // Never in the way of starting: said once, and the file goes.
            QMessageBox::information(m_window, tr("Unable to open file"), error, QMessageBox::Ok,
                QMessageBox::NoButton);
            QFile::remove(path);
            continue;
        }
        QMessageBox box(QMessageBox::Question, tr("Quorvant"),
            tr("Er is niet-opgeslagen werk van %1 gevonden (%2).")
                .arg(ShownLocale()
                         .toString(record.written.toLocalTime(), QStringLiteral("d MMMM yyyy HH:mm")),
                    shownFileName(record.originalFile)),
            QMessageBox::NoButton, m_window);
        QPushButton *restore = box.addButton(tr("Herstellen"), QMessageBox::AcceptRole);
        QPushButton *discard = box.addButton(tr("Verwerpen"), QMessageBox::DestructiveRole);
        restore->setObjectName(QStringLiteral("herstellen"));
        discard->setObjectName(QStringLiteral("verwerpen"));
        box.setDefaultButton(restore);
        box.exec();
        if (box.clickedButton() == discard) {
            QFile::remove(path);
            continue;
        }
        if (box.clickedButton() != restore)
            continue; // closed without a choice: asked again next time
        const bool restored = m_restorer && m_restorer(record);
        if (restored) {
            // The restored work is unsaved: it gets this program's own recovery file at once.
            QFile::remove(path);
            writeNow();
            return true; // what else was left stays for the next start
        }
    }
    return false;
}
