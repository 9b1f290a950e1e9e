// "Wat is er nodig?" and "Gevoeligheid" in the core: the search finds the threshold to the
// cent and says when there is none or the bound already meets the goal; the exporter's
// answer holds up against its own --generate --free-year; each assumption moves the plan
// the way it must.

#include "ExampleInvestments.h"
#include "TestFiles.h"

#include "generator/GeneratorRun.h"
#include "model/GoalSolver.h"
#include "model/CostTax.h"
#include "model/Sensitivity.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {

const QString Exporter = QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export");
const QString Leveraged = QStringLiteral("Onderpand met hefboom");

// The generator panel of the manual's leveraged worked example, with a monthly deposit.
QStringList examplePanel(const QString &deposit)
{
    return { "2020", "50000", deposit, "200000", "1000", "0", "0", "80", "0", "20" };
}

GeneratorPanel panelOf(double deposit)
{
    GeneratorPanel panel;
    panel.kind = LeveragedProperty;
    const double fields[] = { 2020, 50000, deposit, 200000, 1000, 0, 0, 80, 0, 20 };
    std::copy(std::begin(fields), std::end(fields), panel.parameters.field);
    return panel;
}

// The worked example's panel over an empty grid, with a spending of 3.000 a month.
PlanInputs examplePlan()
{
    PlanInputs plan;
    plan.generator = panelOf(1000);
    plan.monthlySpending = 3000;
    plan.referenceYear = 2020;
    return plan;
}

// One row put into an empty store and projected.
PlanInputs oneRowPlan(const InvestmentInput &row, double spending)
{
    PlanInputs plan;
    plan.store.input(0) = row;
    plan.store.setRowType(0, static_cast<int>(row.field[ColType]));
    plan.store.addInvestment(0);
    plan.monthlySpending = spending;
    plan.referenceYear = 2020;
    return plan;
}

QString run(const QStringList &args, int *exitCode = nullptr)
{
    QProcess process;
    process.start(Exporter, args);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The chance of being free in `year` that the exporter's paths give.
double chanceFreeIn(const QString &file, int year, const QStringList &pathArgs)
{
    const QStringList lines = run(QStringList { "--generate", "--free-year", "3000" } + pathArgs + QStringList { file })
                                  .split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QString::number(year) + QLatin1Char(',')))
            return line.section(QLatin1Char(','), -1).toDouble();
    }
    return -1.0;
}

// The row of the sensitivity table whose name holds `part`; nullptr when there is none.
const SensitivityRow *rowNamed(const SensitivityTable &table, const QString &part)
{
    const auto row = std::find_if(table.rows.begin(), table.rows.end(),
        [&](const SensitivityRow &r) { return r.name.contains(part); });
    return row == table.rows.end() ? nullptr : &*row;
}

// The sign of a change, changes within a millionth of a euro or year counting as none.
int signOf(double change)
{
    return change > 1e-6 ? 1 : change < -1e-6 ? -1 : 0;
}

} // namespace

class TestGoalSolver : public QObject
{
    Q_OBJECT

private slots:
    // ---- the exporter's answer against its own free year ------------------------------

    void solvedDepositJustMeetsTheGoal_data()
    {
        QTest::addColumn<QStringList>("pathArgs");
        QTest::newRow("deterministic") << QStringList();
        QTest::newRow("80 % over 10.000 paths") << QStringList { "--paths", "10000", "--seed", "7" };
    }
    void solvedDepositJustMeetsTheGoal()
    {
        QFETCH(QStringList, pathArgs);
        QTemporaryDir dir;
        const QString file = dir.filePath("plan.inv");
        QVERIFY(writeBytes(file, investFileText(Leveraged, examplePanel("1000"), {}).toUtf8()));
        QStringList solveArgs { "--solve", "deposit", "--free-by", "2034", "--spending", "3000" };
        if (!pathArgs.isEmpty())
            solveArgs << "--chance" << "80" << pathArgs;
        int status = -1;
        const QString answer = run(solveArgs + QStringList { file }, &status);
        QCOMPARE(status, 0);
        bool ok = false;
        const double deposit = answer.toDouble(&ok);
        QVERIFY2(ok && deposit > 0.0, qPrintable(answer));

        for (const double tried : { deposit, deposit - 1.0 }) {
            const QString with = dir.filePath(QStringLiteral("with-%1.inv").arg(tried));
            QVERIFY(writeBytes(with, investFileText(Leveraged, examplePanel(QString::number(tried, 'f', 2)), {}).toUtf8()));
            const bool meets = pathArgs.isEmpty()
                ? [&]() {
                      const QString year = run({ "--generate", "--free-year", "3000", with });
                      return year != QLatin1String("geen") && year.toInt() <= 2034;
                  }()
                : chanceFreeIn(with, 2034, pathArgs) >= 0.8;
            QCOMPARE(meets, tried == deposit);
        }
    }

    // ---- the search -------------------------------------------------------------------

    void searchEnds_data()
    {
        QTest::addColumn<int>("unknown");
        QTest::addColumn<int>("goalYear");
        QTest::addColumn<double>("spending");
        QTest::addColumn<int>("status");
        QTest::addColumn<double>("value"); // -1: any; checked against its neighbour instead
        QTest::newRow("deposit found") << int(SolveUnknown::GeneratorDeposit) << 2034 << 3000.0 << int(SolveStatus::Found) << -1.0;
        QTest::newRow("lump sum found") << int(SolveUnknown::GeneratorLumpSum) << 2030 << 3000.0 << int(SolveStatus::Found) << -1.0;
        QTest::newRow("spending found") << int(SolveUnknown::MonthlySpending) << 2034 << 0.0 << int(SolveStatus::Found) << -1.0;
        QTest::newRow("deposit 0 already free") << int(SolveUnknown::GeneratorDeposit) << 2050 << 500.0 << int(SolveStatus::MetAtBound) << 0.0;
        QTest::newRow("free in the begin year: no deposit does it")
            << int(SolveUnknown::GeneratorDeposit) << 2020 << 3000.0 << int(SolveStatus::NotWithinBounds) << -1.0;
        QTest::newRow("no spending covered before the first purchase")
            << int(SolveUnknown::MonthlySpending) << 2019 << 0.0 << int(SolveStatus::NotWithinBounds) << -1.0;
    }
    void searchEnds()
    {
        QFETCH(int, unknown);
        QFETCH(int, goalYear);
        QFETCH(double, spending);
        QFETCH(int, status);
        QFETCH(double, value);
        PlanInputs plan = examplePlan();
        if (spending > 0.0)
            plan.monthlySpending = spending;
        SolveQuestion question;
        question.unknown = static_cast<SolveUnknown>(unknown);
        question.goal.year = goalYear;
        const SolveResult result = SolveForGoal(plan, question);
        QCOMPARE(int(result.status), status);
        QVERIFY(result.evaluations > 0);
        if (value >= 0.0)
            QCOMPARE(result.value, value);
        if (result.status != SolveStatus::Found)
            return;
        // The smallest value that meets it (for the spending the largest): one cent further fails.
        // (The neighbour is taken as the search takes it, from whole cents: 79999.95 is the
        // double nearest that, not 79999.96 - 0.01.)
        const long long cents = std::llround(result.value * 100.0);
        const double neighbour = (question.unknown == SolveUnknown::MonthlySpending ? cents + 1 : cents - 1) / 100.0;
        QVERIFY(MeetsGoal(EvaluatePlan(WithUnknown(plan, question, result.value), goalYear), question.goal));
        QVERIFY(!MeetsGoal(EvaluatePlan(WithUnknown(plan, question, neighbour), goalYear), question.goal));
        QVERIFY(result.outcome.freeYear != 0 && result.outcome.freeYear <= goalYear);
    }

    void priceForNetWorth()
    {
        // Property bought in full that gains 2 % a year: the net worth rises with its price.
        PlanInputs plan = oneRowPlan(examples::inFull(), 0.0);
        plan.monthlySpending.reset();
        SolveQuestion question;
        question.unknown = SolveUnknown::RowPrice;
        question.row = 0;
        question.goal.kind = SolveGoal::NetWorthAtLeast;
        question.goal.year = 2030;
        question.goal.netWorth = 200000;
        const SolveResult result = SolveForGoal(plan, question);
        QCOMPARE(int(result.status), int(SolveStatus::Found));
        QVERIFY(result.outcome.netWorth >= 200000);
        QVERIFY(EvaluatePlan(WithUnknown(plan, question, result.value - 0.01), 2030).netWorth < 200000);
    }

    void questionsThatCannotBeAsked_data()
    {
        QTest::addColumn<int>("unknown");
        QTest::addColumn<int>("goal");
        QTest::addColumn<QString>("beginYear");
        QTest::addColumn<int>("row");
        QTest::newRow("generator without a begin year") << int(SolveUnknown::GeneratorDeposit) << int(SolveGoal::FreeBy) << "0" << 0;
        QTest::newRow("spending for a net worth") << int(SolveUnknown::MonthlySpending) << int(SolveGoal::NetWorthAtLeast) << "2020" << 0;
        QTest::newRow("price of a row without one") << int(SolveUnknown::RowPrice) << int(SolveGoal::FreeBy) << "2020" << 0;
    }
    void questionsThatCannotBeAsked()
    {
        QFETCH(int, unknown);
        QFETCH(int, goal);
        QFETCH(QString, beginYear);
        QFETCH(int, row);
        PlanInputs plan = examplePlan();
        plan.generator->parameters.field[GenBeginYear] = beginYear.toDouble();
        plan.store.input(0) = examples::saving();
        plan.store.setRowType(0, MonthlySaving);
        SolveQuestion question;
        question.unknown = static_cast<SolveUnknown>(unknown);
        question.row = row;
        question.goal.kind = static_cast<SolveGoal::Kind>(goal);
        question.goal.year = 2034;
        const SolveResult result = SolveForGoal(plan, question);
        QCOMPARE(int(result.status), int(SolveStatus::NotApplicable));
        QVERIFY(!result.message.isEmpty());
        QCOMPARE(result.evaluations, 0);
    }

    void cancelStops()
    {
        std::atomic<bool> stop { true };
        SolveControl control;
        control.cancel = &stop;
        SolveQuestion question;
        question.goal.year = 2034;
        question.goal.chancePercent = 80.0;
        const SolveResult result = SolveForGoal(examplePlan(), question, control);
        QCOMPARE(int(result.status), int(SolveStatus::Cancelled));
        QVERIFY(result.evaluations <= 1);
    }

    void chanceIsTheSameForTheSameSeed()
    {
        PlanInputs plan = examplePlan();
        plan.paths.paths = 500;
        SolveQuestion question;
        question.goal.year = 2034;
        question.goal.chancePercent = 60.0;
        const SolveResult first = SolveForGoal(plan, question);
        QCOMPARE(int(first.status), int(SolveStatus::Found));
        QCOMPARE(SolveForGoal(plan, question).value, first.value);
        QVERIFY(first.outcome.chance >= 0.6);
        plan.paths.seed += 1;
        const PlanOutcome other = EvaluatePlan(WithUnknown(plan, question, first.value), 2034, &question.goal);
        QVERIFY(other.chance >= 0.0 && other.chance <= 1.0);
    }

    // ---- sensitivity --------------------------------------------------------------------

    void sensitivitySigns_data()
    {
        // Property bought in full, 150.000, 800 rent, both growing 2 %; spending 900 at 0 % inflation.
        QTest::addColumn<QString>("assumption");
        QTest::addColumn<int>("netWorthUp"); // sign of the net-worth change when it moves up
        QTest::addColumn<int>("freeYearUp"); // sign of the free-year change when it moves up
        QTest::newRow("value growth") << "Waardestijging" << 1 << 0;
        QTest::newRow("rent growth") << "Huurstijging" << 1 << -1;
        QTest::newRow("rent") << "Huur/maand" << 1 << -1;
        QTest::newRow("price") << "Kostprijs" << 1 << 0;
        QTest::newRow("inflation") << "Inflatie" << 0 << 1;
        QTest::newRow("a spread") << "Spreiding rendement" << 0 << 0;
    }
    void sensitivitySigns()
    {
        QFETCH(QString, assumption);
        QFETCH(int, netWorthUp);
        QFETCH(int, freeYearUp);
        PlanInputs plan = oneRowPlan(examples::inFull(), 900);
        const SensitivityTable table = RunSensitivity(plan, 2040);
        QVERIFY(table.base.freeYear > 2020 && table.base.freeYear < 2045);
        const SensitivityRow *row = rowNamed(table, assumption);
        QVERIFY(row);
        const auto sign = signOf;
        QCOMPARE(sign(row->netWorthHigh), netWorthUp);
        QCOMPARE(sign(row->netWorthLow), -netWorthUp);
        QVERIFY(row->freeYearHighKnown && row->freeYearLowKnown);
        QCOMPARE(sign(row->freeYearHigh), freeYearUp);
        QCOMPARE(sign(row->freeYearLow), freeYearUp == 0 ? 0 : -freeYearUp);
    }

    void sensitivityOfCostsAndTax_data()
    {
        // The same row with every cost and Box 3 on: more cost or tax never leaves more.
        QTest::addColumn<QString>("assumption");
        QTest::addColumn<int>("netWorthUp");
        QTest::newRow("purchase costs") << "Kosten koper" << -1;
        QTest::newRow("maintenance") << "Onderhoud" << -1;
        QTest::newRow("fixed charges") << "Vaste lasten" << -1;
        QTest::newRow("vacancy") << "Leegstand" << -1;
        QTest::newRow("management") << "Beheer" << -1;
        QTest::newRow("WOZ factor") << "WOZ-factor" << -1;
        QTest::newRow("Box 3 rate") << "Box 3: tarief" << -1;
    }
    void sensitivityOfCostsAndTax()
    {
        QFETCH(QString, assumption);
        QFETCH(int, netWorthUp);
        PlanInputs plan = oneRowPlan(examples::inFull(), 900);
        CostTaxAssumptions assumed;
        assumed.costs.purchase = 8;
        assumed.costs.maintenance = 1;
        assumed.costs.fixedCharges = 0.5;
        assumed.costs.vacancy = 5;
        assumed.costs.management = 6;
        assumed.box3.regime = Box3Regime::Deemed;
        plan.store.setCostTax(assumed);
        const SensitivityTable table = RunSensitivity(plan, 2040);
        const SensitivityRow *row = rowNamed(table, assumption);
        QVERIFY(row);
        const auto sign = signOf;
        QCOMPARE(sign(row->netWorthHigh), netWorthUp);
        QCOMPARE(sign(row->netWorthLow), -netWorthUp);
        if (row->freeYearHighKnown)
            QVERIFY(row->freeYearHigh >= 0); // more cost never frees earlier
        // The plan's own assumptions are left as they were.
        QVERIFY(plan.store.costTax() == assumed);
    }

    void sensitivityListsEveryAssumptionByEffect()
    {
        PlanInputs plan = examplePlan();
        ProjectPlan(examplePlan(), plan.store); // the generated rows as rows, the generator too
        const SensitivityTable table = RunSensitivity(plan, 2040);
        QCOMPARE(table.rows.size(), PlanAssumptions(plan).size());
        QVERIFY(table.rows.size() > 4 + 8);
        for (int i = 1; i < table.rows.size(); ++i)
            QVERIFY(table.rows.at(i - 1).netWorthSwing() >= table.rows.at(i).netWorthSwing());
    }

    void rateOfZeroMovedDownStaysFilled()
    {
        // -1 marks an empty field: a rate of 0 moved down one point must not empty it.
        InvestmentInput row = examples::inFull();
        row.field[ColRentIncrease] = 0;
        const SensitivityTable table = RunSensitivity(oneRowPlan(row, 900), 2040);
        const SensitivityRow *r = rowNamed(table, QStringLiteral("Huurstijging"));
        QVERIFY(r);
        QVERIFY(r->low < -0.99 && r->low > -1.0);
        QVERIFY(r->lowOutcome.netWorth > 0.5 * table.base.netWorth);
    }
};

QTEST_GUILESS_MAIN(TestGoalSolver)
#include "tst_goal_solver.moc"
