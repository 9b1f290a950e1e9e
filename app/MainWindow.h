#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "app/PortfolioDocument.h"
#include "io/InvestFiles.h"
#include "model/Baseline.h"
#include "model/InvestmentStore.h"
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

class BaselineController;
class ScenarioController;
class HelpMenu;
class ComboBoxDelegate;
class LineGraphs;
class Options;
class PlanningPanel;
class RecoveryController;
class UncertaintyPanel;
struct InvestFields;

// The one window of the program: owns the portfolio (the store), the two grids and the
// generator panel, and routes every user action to the rules behind it.
class MainWindow : public QMainWindow, private SnapshotSource
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
    // The costs and tax the portfolio assumes ("Kosten en belasting..."). Setting other
    // assumptions is one undo step; every figure follows and the file saves them.
    const CostTaxAssumptions &CostTax() const { return portfolio.costTax(); }
    void SetCostTax(const CostTaxAssumptions &assumptions);

    // The document (PortfolioDocument): the file on screen, its undo history, its recovery file.
    // Opens a file as File > Open does, with its messages; true when the file was opened.
    bool OpenFile(const QString &path);
    // The same after the question about unsaved changes.
    bool OpenFileAsking(const QString &path);
    QString CurrentFile() const { return document->file(); }
    QUndoStack *UndoStack() const { return document->undoStack(); }
    RecoveryController *Recovery() const { return document->recovery(); }

    // The baseline the portfolio on screen is compared with (BaselineController).
    const Baseline &CurrentBaseline() const;
    // Reads a file as the baseline as File > "Vergelijk met..." does, with its message.
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

    // The parts the window is composed of, created and wired once (MainWindow.cpp).
    void ComposeParts();
    void RefreshView(bool fillEmptyYearList);
    // The store changed what the view shows: refresh now, or when the outermost batch ends.
    void ViewChanged(bool refreshYearList);
    void ShowLimitedView();
    int ChosenYearIndex() const;
    void BlankOutputRow(int row);
    void ShowEmptyTotals();
    // The figures of the parts (free year, bands, baseline) for the chosen year.
    void ShowPartsOfYear();
    void RestartPaths();
    const InflationTable *ShownInflation() const;

    // Saving and opening (InvestFiles.cpp).
    bool MaybeSave();
    bool Save();
    bool SaveAs();
    bool SaveTo(const QString &path);
    QString AskFileName(const FileNameProvider &provider, bool save, const QString &caption, const char *filter);
    // Shows an investment text as the document `file` in one undo step; `clean` when it
    // equals that file.
    void ShowOpenedText(const QString &text, const QString &file, bool clean, const QString &label);
    // The fields a save writes, from what the widgets hold.
    InvestFields CurrentFields() const;
    // File > "CSV voor Excel (puntkomma)..." and "Excel-werkmap (.xlsx)...".
    void ExportSpreadsheet(bool workbook);
    // Opening a file: one message for the rows whose start year was refused.
    void ReportRefusedYears(const QVector<int> &rows);

    // SnapshotSource: what an undo step keeps and gives back (GridRules.cpp).
    QSharedDataPointer<GridSnapshot> TakeSnapshot() const override;
    void ApplySnapshot(const GridSnapshot &snapshot) override;
    QString CurrentInvestText() const override;
    bool ShowRecoveredWork(const QString &text, const QString &file) override;

    // The cell rule's marks (GridRules.cpp): a cell whose text is no number counts as 0 and
    // is shown red with a tool tip, and the status bar names it; the same for values of the
    // row that cannot be meant.
    void MarkNotANumber(int row, int column, QTableWidgetItem *item, bool notANumber);
    void MarkImplausible(int row, int skippedColumn);

    // The generator panel's fields and labels, k = 1 .. 10 (WealthGenerator.cpp). A field's
    // typed text is normalised when it loses the focus and before a run.
    QTextEdit *WealthEdit(int k) const;
    QLabel *WealthLabel(int k) const;
    void CommitWealthField(int k);

    // The form and the windows it opens.
    Ui::MainWindow *ui;
    ComboBoxDelegate *delegate = nullptr;
    QPointer<LineGraphs> chartWindow;
    Options *optionsDialog = nullptr;

    // The portfolio: the numbers behind the grid, the text each cell last held, each row's
    // colour, the generator fields' texts (kept as they change), the chosen year's sums and
    // the file text.
    InvestmentStore portfolio;
    QString cellTexts[MaxRows][FieldCount];
    QColor rowColours[MaxRows];
    QString panelTexts[GeneratorFieldCount];
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

    // The parts: the document, today's money and the free year, the bands, the baseline.
    PortfolioDocument *document = nullptr;
    PlanningPanel *planning = nullptr;
    UncertaintyPanel *uncertainty = nullptr;
    BaselineController *baselines = nullptr;
    ScenarioController *scenarios = nullptr;
    // Help beyond the online manual: the manual without a browser, the example, About.
    HelpMenu *help = nullptr;

    // Answers in place of the file dialogs (tests).
    FileNameProvider openFileName;
    FileNameProvider saveFileName;
};

#endif // MAINWINDOW_H
