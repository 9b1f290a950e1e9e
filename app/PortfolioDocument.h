#ifndef PORTFOLIODOCUMENT_H
#define PORTFOLIODOCUMENT_H

#include "app/EditHistory.h"

#include <QObject>
#include <QSharedDataPointer>
#include <QString>

QT_BEGIN_NAMESPACE
class QMenu;
class QUndoStack;
class QWidget;
QT_END_NAMESPACE

class RecoveryController;
struct RecoveryRecord;

// What the document needs of the window: the portfolio on screen as a snapshot, shown back
// from one, and as the record a recovery file keeps.
class SnapshotSource
{
public:
    virtual ~SnapshotSource() = default;
    virtual QSharedDataPointer<GridSnapshot> TakeSnapshot() const = 0;
    virtual void ApplySnapshot(const GridSnapshot &snapshot) = 0;
    virtual QString CurrentInvestText() const = 0;
    // Shows recovered work as an unsaved document; true when shown.
    virtual bool ShowRecoveredWork(const QString &text, const QString &file) = 0;
};

// The portfolio as a document: the file it belongs to, its undo history, whether it differs
// from its file, the recent files and the recovery file. The window routes its actions here
// and shows what the document signals; the undo commands act on the document, which shows a
// snapshot through the window.
class PortfolioDocument : public QObject, public SnapshotTarget
{
    Q_OBJECT

public:
    PortfolioDocument(SnapshotSource *source, QWidget *window);
    ~PortfolioDocument() override;

    QUndoStack *undoStack() const { return m_stack; }
    RecoveryController *recovery() const { return m_recovery; }
    QString file() const { return m_side.file; }
    // The title a window shows for it: "plan.inv[*] — Quorvant", "Naamloos[*] — Quorvant".
    QString title() const;
    bool isModified() const;

    // From now on every step is recorded (the window is built).
    void startRecording();
    // The document is saved as (or opened from) `path`, at the current step.
    void setSavedAs(const QString &path);
    // Remembers a file among the recent files and in the last folder.
    void rememberFile(const QString &path);
    // The folder the file dialogs start in.
    QString lastFolder() const;
    // The "Recente bestanden" menu; each entry asks for openRecent.
    QMenu *recentMenu(QWidget *parent);

    // One user action as one undo step with everything it causes; nested steps belong to the
    // outermost. A step may replace the document (opening a file, restoring recovered work).
    class Step
    {
    public:
        Step(PortfolioDocument *document, const QString &label);
        ~Step();
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;
        // Afterwards the title names `file`, which with `clean` counts as saved.
        // A document without a file may have a name of its own for the title.
        void opens(const QString &file, bool clean, const QString &untitledName = QString());

    private:
        PortfolioDocument *m_document;
        QString m_label;
        bool m_active;
        bool m_opening = false;
        QString m_file;
        bool m_clean = false;
        QString m_untitledName;
    };

    // Whether a snapshot is being shown (an undo or redo), or a step is under way: then what
    // the window reports is part of that and no change of its own.
    bool isApplying() const { return m_applying; }
    bool isInStep() const { return m_depth > 0; }
    // Changes that are no steps of their own, kept in the snapshot an undo comes back to: the
    // chosen year, the generator kind, a typed generator field.
    void noteChosenYear(const QString &year);
    void noteKind(int kind);
    void notePanelText(int field, const QString &text);
    // Several cell changes as one step, opened and closed by two signals (Delete).
    void beginGroup() { ++m_depth; }
    void endGroup(const QString &label);

    // SnapshotTarget, for the undo commands.
    void ApplySnapshot(const GridSnapshot &snapshot) override;
    DocumentSide CurrentDocument() const override { return m_side; }
    void RestoreDocument(const DocumentSide &side) override;

signals:
    // The file, the title or the unsaved mark changed.
    void changed();
    void openRecent(const QString &path);

private:
    void syncCleanMark();
    void update();
    void fillRecentMenu();

    SnapshotSource *m_source;
    QUndoStack *m_stack;
    StepTracker *m_steps;
    RecoveryController *m_recovery;
    QMenu *m_recentMenu = nullptr;
    DocumentSide m_side;
    QSharedDataPointer<GridSnapshot> m_shown;
    int m_depth = 0;
    bool m_recording = false;
    bool m_applying = false;
    bool m_syncing = false;
};

#endif // PORTFOLIODOCUMENT_H
