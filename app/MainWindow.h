#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "io/InvestFiles.h"
#include "model/InvestmentStore.h"

#include <QBrush>
#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

QT_BEGIN_NAMESPACE
namespace Ui {
class MainWindow;
}
class QLabel;
class QTableWidget;
class QTextEdit;
QT_END_NAMESPACE

class LineGraphs;
class Options;
class ComboBoxDelegate;

// The one window of the program: owns the portfolio (the store), the two grids and the
// generator panel, and routes every user action to the rules behind it.
class MainWindow : public QMainWindow
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

    // Tests answer in place of the file dialogs through these.
    void setOpenFileNameProvider(FileNameProvider provider);
    void setSaveFileNameProvider(FileNameProvider provider);

    // Read access for the chart window, the exporter of the window and the tests.
    const InvestmentStore &store() const { return m_store; }
    int MaxInvestment() const { return m_store.maxInvestment(); }
    int MaxJaren() const { return m_store.maxJaren(); }
    const QString &InvestText() const { return investText; }

    // Operations shared by the grid rules, the year situation, the generator and the files.
    int ReadRowType(int row) const;
    bool IsRowComplete(int row) const { return m_store.isRowComplete(row); }
    int EarliestStartYear() const { return m_store.earliestStartYear(); }
    int ProjectedRowCount() const { return m_store.projectedRowCount(); }
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
    // Defers the refresh of the year list, output grid and labels while many cells are
    // written at once (clearing, opening a file, a generator run); the store itself is
    // always up to date. The outermost batch refreshes the view once when it ends.
    class ViewBatch
    {
    public:
        explicit ViewBatch(MainWindow *window);
        ~ViewBatch();

    private:
        MainWindow *m_window;
    };
    friend class ViewBatch;

    void RefreshView(bool fillEmptyYearList);
    // The store changed what the view shows: refresh now, or when the outermost batch ends.
    void ViewChanged(bool refreshYearList);
    void ReportRefusedYears(const QVector<int> &rows);
    void ShowLimitedView();
    int ChosenYearIndex() const;
    void BlankOutputRow(int row);
    void ShowEmptyTotals();
    QTextEdit *WealthEdit(int k) const; // k = 1 .. 10
    QLabel *WealthLabel(int k) const; // k = 1 .. 10
    double WealthValue(int k) const;

    Ui::MainWindow *ui;
    QPointer<LineGraphs> chartWindow;
    Options *optionsDialog = nullptr;
    InvestmentStore m_store;
    YearTotals m_yearTotals;
    ComboBoxDelegate *delegate = nullptr;
    QString investText;

    int m_batchDepth = 0;
    bool m_viewDirty = false;
    bool m_fillYearListPending = false;
    bool m_yearMessageShown = false; // a generator run shows the year message once
    bool m_generatorRunning = false;
    FileNameProvider m_openFileName;
    FileNameProvider m_saveFileName;
};

#endif // MAINWINDOW_H
