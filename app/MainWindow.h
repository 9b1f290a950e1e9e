#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "app/EditHistory.h"
#include "io/InvestFiles.h"
#include "model/Baseline.h"
#include "model/InvestmentStore.h"
#include "model/PathSimulation.h"
#include "model/RealValues.h"

#include <QBrush>
#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

QT_BEGIN_NAMESPACE
namespace Ui {
class MainWindow;
}
class QAction;
class QCheckBox;
class QCloseEvent;
class QLineEdit;
class QLabel;
class QMenu;
class QUndoStack;
class QTableWidget;
class QTableWidgetItem;
class QTextEdit;
QT_END_NAMESPACE

class InflationTable;
class RecoveryController;
struct InvestFields;
class LineGraphs;
class PathRunner;
class Options;
class ComboBoxDelegate;

// The one window of the program: owns the portfolio (the store), the two grids and the
// generator panel, and routes every user action to the rules behind it.
class MainWindow : public QMainWindow, public SnapshotTarget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Row colours and the brush of cells that do not apply; given their values by the constructor.
    static QColor ManualRowColour;
    static QColor EmptyRowColour;
    static QColor GeneratedRowColour;
    static QBrush NotApplicableBrush;
    // Text colour of an entry that is no number.
    static const QColor NotANumberColour;

    // Tests answer in place of the file dialogs through these.
    void setOpenFileNameProvider(FileNameProvider provider);
    void setSaveFileNameProvider(FileNameProvider provider);

    // Read access for the chart window, the exporter of the window and the tests.
    const InvestmentStore &store() const { return portfolio; }
    int MaxInvestment() const { return portfolio.maxInvestment(); }
    int MaxJaren() const { return portfolio.maxJaren(); }
    const QString &InvestText() const { return investText; }

    // Operations shared by the grid rules, the year situation, the generator and the files.
    int ReadRowType(int row) const;
    bool IsRowComplete(int row) const { return portfolio.isRowComplete(row); }
    int EarliestStartYear() const { return portfolio.earliestStartYear(); }
    int ProjectedRowCount() const { return portfolio.projectedRowCount(); }
    double AddInvestment(int row, bool refreshYearList = true);
    void ColorRow(int row, const QColor &colour);
    void ClearInvestments();
    void FillYearList(int firstYear);
    void FillOutputGrid();
    void UpdateYearTotals();
    void ShowWealthFields(int kind);
    void GenerateInvestments(int kind);
    bool WriteInvestmentRow(const InvestmentInput &record);
    void BuildInvestText();
    void ParseInvestText();
    // The projection as CSV, the same text the command-line exporter writes.
    QString ProjectionCsv(bool totals) const;

    // The document: the file on screen (empty for a new portfolio) and its undo history.
    // Opens a file as File > Open does, with its messages; true when the file was opened.
    bool OpenFile(const QString &path);
    // The same after the question about unsaved changes (a file given at start-up after
    // recovered work was restored).
    bool OpenFileAsking(const QString &path);
    // Unsaved work kept for a crash, and offered back at the next start.
    RecoveryController *Recovery() const { return recovery; }
    const QString &CurrentFile() const { return currentFile; }
    QUndoStack *UndoStack() const { return undoStack; }

    // The baseline the portfolio on screen is compared with (BaselineView.cpp). It is no part
    // of the document: never saved, no undo step, kept when another file is opened.
    const Baseline &CurrentBaseline() const { return baseline; }
    // Reads a file as the baseline as File > "Vergelijk met..." does, with its message; true
    // when the file was read.
    bool CompareWithFile(const QString &path);

protected:
    // Closing asks what to do with unsaved changes first.
    void closeEvent(QCloseEvent *event) override;

signals:
    void SendItemToComboDelegate(int Item);

private slots:
    void on_pushButton_clicked();
    void on_actionOpen_triggered();
    void on_actionExit_triggered();
    void on_actionSave_as_triggered();
    void on_Vastgoed_currentCellChanged(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void on_Vastgoed_cellChanged(int row, int column);
    void ValidateDate(int row, int column);
    void on_Situatie_Jaartal_currentIndexChanged(const QString &);
    void on_WealthSelect_currentIndexChanged(int index);
    void on_GoGoGo_clicked();
    void on_btn_ClearInvestmenst_clicked();
    void on_actionSettings_triggered();
    void on_actionInhoud_triggered();
    void on_Vastgoed_cellDoubleClicked(int row, int column);

public slots:
    void on_InvestTypeChanged(int);
    void SetMaxJaren(int jaren);
    void SetMaxInvestment(int InvestQty);

private slots:
    // Writes the projection as CSV (File, "Export CSV...").
    void on_actionExport_CSV_triggered();

private:
    // The view of the chosen year: year list, output grid and total labels (YearSituation.cpp).
    // ViewBatch defers its refresh while many cells are written at once (clearing, opening a
    // file, a generator run); the store itself is always up to date. The outermost batch
    // refreshes the view once when it ends.
    class ViewBatch
    {
    public:
        explicit ViewBatch(MainWindow *owner);
        ~ViewBatch();

    private:
        MainWindow *window;
    };
    friend class ViewBatch;

    void RefreshView(bool fillEmptyYearList);
    // The store changed what the view shows: refresh now, or when the outermost batch ends.
    void ViewChanged(bool refreshYearList);
    void ShowLimitedView();
    int ChosenYearIndex() const;
    void BlankOutputRow(int row);
    void ShowEmptyTotals();

    // The document (InvestFiles.cpp, EditHistory.cpp): saving, the unsaved-work question,
    // the title, the recent files and the undo steps. A step records the portfolio before
    // and after a user action; nested actions belong to the outermost step.
    bool MaybeSave();
    bool Save();
    bool SaveAs();
    bool SaveTo(const QString &path);
    void SetCurrentFile(const QString &path);
    void UpdateModified();
    void RememberFile(const QString &path);
    void FillRecentMenu();
    QString AskFileName(const FileNameProvider &provider, bool save, const QString &caption, const char *filter);
    class EditStep
    {
    public:
        EditStep(MainWindow *owner, const QString &label);
        ~EditStep();

        // The step replaces the document: afterwards the title names `file`, which with
        // `clean` counts as saved (an opened file), otherwise as unsaved (recovered work).
        void opens(const QString &file, bool clean);

    private:
        MainWindow *window;
        QString label;
        bool active;
        bool opening = false;
        QString openedFile;
        bool openedClean = false;
    };
    friend class EditStep;
    void SetUpDocument();
    QSharedDataPointer<GridSnapshot> TakeSnapshot() const;
    void ApplySnapshot(const GridSnapshot &snapshot) override;
    DocumentSide CurrentDocument() const override;
    void RestoreDocument(const DocumentSide &side) override;
    // Keeps the undo stack's own clean mark at the step the document was saved at.
    void SyncCleanMark();

    // Today's money and the free year (PlanningControls.cpp). ShownInflation is the table the
    // output grid, the totals, the charts and the CSV export divide by, or nullptr when real
    // values are off.
    void SetUpPlanningControls();
    double InflationPercent() const;
    std::optional<double> MonthlySpending() const;
    InflationTable InflationToday() const;
    const InflationTable *ShownInflation() const;
    QString RealMoneyCaption() const;
    void UpdateFreeYear();

    // The uncertainty bands (UncertaintyView.cpp): restarted after every change of the
    // portfolio, shown when they arrive.
    void SetUpUncertaintyControls();
    void RestartPaths();
    void ShowPathBands();

    // The cell rule's marks (GridRules.cpp): a cell whose text is no number counts as 0 and
    // is shown red with a tool tip, and the status bar names it.
    void MarkNotANumber(int row, int column, QTableWidgetItem *item, bool notANumber);
    // The same mark, with the reason as tip, for values of the row that cannot be meant.
    void MarkImplausible(int row, int skippedColumn);

    // The generator panel's fields and labels, k = 1 .. 10 (WealthGenerator.cpp). A field's
    // typed text is normalised when it loses the focus and before a run.
    QTextEdit *WealthEdit(int k) const;
    QLabel *WealthLabel(int k) const;
    void CommitWealthField(int k);

    // Opening a file (InvestFiles.cpp): one message for the rows whose start year was refused.
    void ReportRefusedYears(const QVector<int> &rows);
    // Shows an investment text as the document `file` in one undo step; `clean` when it
    // equals that file.
    void ShowOpenedText(const QString &text, const QString &file, bool clean, const QString &label);
    // The fields a save writes, from what the widgets hold.
    InvestFields CurrentFields() const;

    // The form and the windows it opens.
    Ui::MainWindow *ui;
    ComboBoxDelegate *delegate = nullptr;
    QPointer<LineGraphs> chartWindow;
    Options *optionsDialog = nullptr;

    // The portfolio: the numbers behind the grid, the text each cell last held, the chosen
    // year's sums and the file text.
    InvestmentStore portfolio;
    QString cellTexts[MaxRows][FieldCount];
    YearTotals yearTotals;
    QString investText;

    // The deferred refresh of the view; while an opened file is shown its rows are not
    // projected again cell by cell.
    bool showingLoadedFile = false;
    int batchDepth = 0;
    bool viewDirty = false;
    bool fillYearListPending = false;

    // A generator run shows the year message once.
    bool generatorRunning = false;
    bool yearMessageShown = false;

    // The document: its file, the undo history, the portfolio as the last step left it.
    QString currentFile;
    QUndoStack *undoStack = nullptr;
    QSharedDataPointer<GridSnapshot> shownSnapshot;
    QString panelTexts[GeneratorFieldCount]; // the generator fields' texts, kept as they change
    QColor rowColours[MaxRows];
    StepTracker *steps = nullptr;
    qint64 cleanStep = 0; // the step at which the portfolio equals its file; -1: none
    bool syncingClean = false;
    int stepDepth = 0;
    bool recordingSteps = false;
    bool applyingSnapshot = false;
    bool panelChanged = false;
    QMenu *recentMenu = nullptr;
    RecoveryController *recovery = nullptr;

    // Today's money and the free year.
    QLineEdit *inflationEdit = nullptr;
    QCheckBox *realCheck = nullptr;
    QLineEdit *spendingEdit = nullptr;
    QLabel *freeYearLabel = nullptr;
    mutable InflationTable shownInflation;

    // The uncertainty bands.
    QCheckBox *spreadCheck = nullptr;
    QLabel *bandLabel = nullptr;
    QLabel *chanceLabel = nullptr;
    PathRunner *pathRunner = nullptr;
    PathBands pathBands;

    // The baseline (BaselineView.cpp): its File actions, the "Basis" and "Verschil" figures
    // under the totals, its name in the status bar, and its sum in the charts.
    void SetUpBaseline();
    void TakeCurrentAsBaseline();
    void ClearBaseline();
    // Shows or hides everything of the baseline as one is set or not.
    void ShowBaselineState();
    // The figures for year index `yearIndex` of the portfolio on screen; -1 empties them.
    void ShowBaselineFigures(int yearIndex);
    // The baseline's net worth or monthly cash flow for every projected year of the portfolio
    // on screen, NaN where the baseline has no figures; empty without a baseline.
    QVector<double> BaselineChartValues(bool cashFlow) const;
    Baseline baseline;
    QWidget *baselinePanel = nullptr;
    QLabel *baselineFigures[2][2] = {}; // [Basis, Verschil][cash flow, net worth]
    QLabel *baselineStatus = nullptr;
    QAction *clearBaselineAction = nullptr;

    // Answers in place of the file dialogs (tests).
    FileNameProvider openFileName;
    FileNameProvider saveFileName;
};

#endif // MAINWINDOW_H
