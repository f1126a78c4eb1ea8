#include "ui/reports/ReportsWindow.h"

#include "ledger/StoreNotifier.h"
#include "platform/AtomicFile.h"
#include "platform/Prompt.h"
#include "platform/widgets/DatePicker.h"
#include "print/BalanceChart.h"
#include "print/RegisterPrint.h"
#include "ui/reports/ReportChartView.h"
#include "ui/reports/ReportTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget* NewTable(QWidget* parent, const QString& name) {
    auto* table = new QTreeWidget(parent);
    table->setObjectName(name);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setAlternatingRowColors(true);
    table->header()->setStretchLastSection(false);
    return table;
}

// The rows nest by their depth; names left, numbers right, totals bold. Each item keeps its row's index.
void Fill(QTreeWidget* tree, const print::ReportTable& table) {
    tree->clear();
    tree->setColumnCount(int(table.headers.size()));
    tree->setHeaderLabels(table.headers);
    for (int c = 1; c < table.headers.size(); ++c)
        tree->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    std::vector<QTreeWidgetItem*> parents;
    for (size_t i = 0; i < table.rows.size(); ++i) {
        const print::ReportTable::Row& row = table.rows[i];
        parents.resize(size_t(std::min<int>(row.depth, int(parents.size()))));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(tree, row.cells) : new QTreeWidgetItem(parents.back(), row.cells);
        item->setData(0, Qt::UserRole, int(i));
        for (int c = 1; c < row.cells.size(); ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (row.bold) {
            QFont font = tree->font();
            font.setBold(true);
            for (int c = 0; c < row.cells.size(); ++c)
                item->setFont(c, font);
        }
        parents.push_back(item);
    }
    tree->expandAll();
    for (int c = 0; c < tree->columnCount(); ++c)
        tree->resizeColumnToContents(c);
}

} // namespace

ReportsWindow::ReportsWindow(QWidget* owner, const QString& title, QDate today)
    : QDialog(owner), title(title), today(today) {
    setObjectName(QStringLiteral("ReportsWindow"));
    setWindowTitle(tr("Reports"));
    setModal(true);
    setSizeGripEnabled(true);
    resize(1040, 640);

    periodKind = new QComboBox(this);
    periodKind->setObjectName(QStringLiteral("periodKind"));
    using enum report::PeriodKind;
    for (const auto& [kind, name] : {std::pair{ThisMonth, tr("This month")}, std::pair{LastMonth, tr("Last month")},
                                     std::pair{ThisYear, tr("This year")}, std::pair{LastYear, tr("Last year")},
                                     std::pair{Last12Months, tr("Last 12 months")}, std::pair{Dates, tr("Dates")}})
        periodKind->addItem(name, int(kind));
    periodKind->setCurrentIndex(periodKind->findData(int(ThisYear)));
    fromDate = new platform::DatePicker(this);
    fromDate->setObjectName(QStringLiteral("fromDate"));
    toDate = new platform::DatePicker(this);
    toDate->setObjectName(QStringLiteral("toDate"));
    compare = new QCheckBox(tr("Co&mpare with the previous period"), this);
    compare->setObjectName(QStringLiteral("compare"));
    periodLabel = new QLabel(this);
    periodLabel->setObjectName(QStringLiteral("periodLabel"));
    // A compared period's text is long in some languages: it wraps rather than pushing the buttons out of the window.
    periodLabel->setWordWrap(true);
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* shown = new QLabel(text, this);
        shown->setBuddy(buddy);
        return shown;
    };
    auto* top = new QHBoxLayout;
    top->addWidget(label(tr("&Period:"), periodKind));
    top->addWidget(periodKind);
    top->addWidget(label(tr("&From:"), fromDate));
    top->addWidget(fromDate);
    top->addWidget(label(tr("&To:"), toDate));
    top->addWidget(toDate);
    top->addSpacing(12);
    top->addWidget(compare);
    top->addStretch(1);

    views = new QTabWidget(this);
    views->setObjectName(QStringLiteral("views"));
    auto* byCategory = new QSplitter(views);
    categoryTree = NewTable(byCategory, QStringLiteral("categoryTree"));
    categoryTree->setRootIsDecorated(true);
    auto* chartSide = new QWidget(byCategory);
    chartKind = new QComboBox(chartSide);
    chartKind->setObjectName(QStringLiteral("chartKind"));
    chartKind->addItem(tr("Bars"), int(print::ReportChartKind::Bars));
    chartKind->addItem(tr("Pie"), int(print::ReportChartKind::Pie));
    categoryChart = new reports::ReportChartView(chartSide);
    categoryChart->setObjectName(QStringLiteral("categoryChart"));
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(label(tr("Cha&rt:"), chartKind));
    kindRow->addWidget(chartKind);
    kindRow->addStretch(1);
    auto* chartLayout = new QVBoxLayout(chartSide);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addLayout(kindRow);
    chartLayout->addWidget(categoryChart, 1);
    byCategory->setStretchFactor(0, 1);
    byCategory->setStretchFactor(1, 1);
    views->addTab(byCategory, tr("By c&ategory"));
    auto* byMonth = new QSplitter(views);
    monthTable = NewTable(byMonth, QStringLiteral("monthTable"));
    monthChart = new reports::ReportChartView(byMonth);
    monthChart->setObjectName(QStringLiteral("monthChart"));
    byMonth->setSizes({580, 460});
    views->addTab(byMonth, tr("By m&onth"));
    payeeTable = NewTable(views, QStringLiteral("payeeTable"));
    views->addTab(payeeTable, tr("By pa&yee"));

    auto* buttons = new QDialogButtonBox(this);
    const auto button = [buttons](const QString& text, const char* name) {
        QPushButton* added = buttons->addButton(text, QDialogButtonBox::ActionRole);
        added->setObjectName(QLatin1String(name));
        return added;
    };
    QPushButton* printButton = button(tr("Pr&int..."), "printButton");
    QPushButton* pdfButton = button(tr("Save as P&DF..."), "pdfButton");
    QPushButton* csvButton = button(tr("&Export CSV..."), "csvButton");
    saveChartButton = button(tr("Save C&hart..."), "saveChartButton");
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    // Enter in the period's boxes or the tree must not print or close the report: no button is the default.
    for (QAbstractButton* each : buttons->buttons())
        qobject_cast<QPushButton*>(each)->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(periodLabel, 1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(views, 1);
    layout->addLayout(bottom);

    connect(periodKind, &QComboBox::currentIndexChanged, this, &ReportsWindow::ShowPeriodKind);
    for (QDateEdit* edit : {fromDate, toDate})
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (report::PeriodKind(periodKind->currentData().toInt()) == report::PeriodKind::Dates)
                Refresh();
        });
    connect(compare, &QCheckBox::toggled, this, &ReportsWindow::Refresh);
    connect(chartKind, &QComboBox::currentIndexChanged, this, &ReportsWindow::ShowCategoryChart);
    connect(categoryTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        // The chart shows the side of the chosen row.
        while (item && item->parent())
            item = item->parent();
        const bool income = item && categoryTree->indexOfTopLevelItem(item) == 1;
        if (income != incomeChart) {
            incomeChart = income;
            ShowCategoryChart();
        }
    });
    connect(categoryTree, &QTreeWidget::itemDoubleClicked, this, &ReportsWindow::ChooseRow);
    connect(views, &QTabWidget::currentChanged, this,
            [this](int view) { saveChartButton->setEnabled(view != ByPayee); });
    connect(printButton, &QPushButton::clicked, this, &ReportsWindow::PrintReport);
    connect(pdfButton, &QPushButton::clicked, this, &ReportsWindow::SavePdf);
    connect(csvButton, &QPushButton::clicked, this, &ReportsWindow::ExportCsv);
    connect(saveChartButton, &QPushButton::clicked, this, &ReportsWindow::SaveChart);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Edits made while the window is open (in the register it opens) show at once.
    connect(&ledger::Notifier(), &ledger::StoreNotifier::Changed, this, &ReportsWindow::Refresh);
    ShowPeriodKind();
}

void ReportsWindow::ShowPeriodKind() {
    const bool dates = report::PeriodKind(periodKind->currentData().toInt()) == report::PeriodKind::Dates;
    fromDate->setEnabled(dates);
    toDate->setEnabled(dates);
    Refresh();
}

void ReportsWindow::Refresh() {
    const auto kind = report::PeriodKind(periodKind->currentData().toInt());
    period = report::PeriodOf(kind, today, fromDate->date(), toDate->date());
    // The dates edits show the period of every kind, a start for choosing two dates.
    for (const auto& [edit, date] : {std::pair{fromDate, period.from}, std::pair{toDate, period.to}}) {
        const QSignalBlocker blocker(edit);
        edit->setDate(date);
    }
    categories = report::ByCategory(period);
    months = report::ByMonth(period);
    payees = report::ByPayee(period);
    const bool compared = compare->isChecked();
    Fill(categoryTree, reports::CategoryTable(categories, compared, reports::NumberForm::Locale, &rowPaths));
    Fill(monthTable, reports::MonthTable(months, compared, reports::NumberForm::Locale));
    Fill(payeeTable, reports::PayeeTable(payees, compared, reports::NumberForm::Locale));
    monthChart->SetChart(reports::MonthChart(months));
    ShowCategoryChart();
    periodLabel->setText(
        compared ? tr("%1, compared with %2").arg(reports::PeriodText(period), reports::PeriodText(categories.previous))
                 : reports::PeriodText(period));
}

void ReportsWindow::ShowCategoryChart() {
    categoryChart->SetChart(reports::CategoryChart(categories, incomeChart, compare->isChecked(),
                                                   print::ReportChartKind(chartKind->currentData().toInt())));
}

void ReportsWindow::ChooseRow(QTreeWidgetItem* item) {
    const size_t row = size_t(item->data(0, Qt::UserRole).toInt());
    if (row < rowPaths.size() && rowPaths[row])
        Q_EMIT CategoryChosen(*rowPaths[row], period);
}

print::ReportTable ReportsWindow::ShownTable(bool plain) const {
    const reports::NumberForm form = plain ? reports::NumberForm::Plain : reports::NumberForm::Locale;
    const bool compared = compare->isChecked();
    switch (views->currentIndex()) {
    case ByMonth:
        return reports::MonthTable(months, compared, form);
    case ByPayee:
        return reports::PayeeTable(payees, compared, form);
    default:
        return reports::CategoryTable(categories, compared, form);
    }
}

QString ReportsWindow::ShownTitle() const {
    switch (views->currentIndex()) {
    case ByMonth:
        return tr("Income and spending by month");
    case ByPayee:
        return tr("Spending by payee");
    default:
        return tr("Spending and income by category");
    }
}

print::ReportChart ReportsWindow::ShownChart() const {
    switch (views->currentIndex()) {
    case ByMonth:
        return monthChart->Chart();
    case ByPayee:
        return {};
    default:
        return categoryChart->Chart();
    }
}

print::ReportPage ReportsWindow::ShownPage() const {
    print::ReportPage page;
    page.title = title.isEmpty() ? ShownTitle() : tr("%1: %2", "report: ledger").arg(ShownTitle(), title);
    page.period = periodLabel->text();
    page.table = ShownTable(false);
    page.chart = ShownChart();
    return page;
}

void ReportsWindow::PrintReport() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ShownTitle());
    printer.setPageLayout(print::RegisterPageLayout(QLocale()));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (print::PrintReport(printer, ShownPage()) == 0)
        platform::MsgBox(tr("Unable to print the report."));
}

void ReportsWindow::SaveBytes(const QString& path, const QByteArray& bytes, const QString& what) {
    const platform::Result<> saved =
        bytes.isEmpty() ? platform::Fail(tr("nothing could be drawn")) : platform::WriteFileAtomically(path, bytes);
    if (!saved)
        platform::MsgBox(what.arg(QFileInfo(path).fileName(), saved.Error()));
}

void ReportsWindow::SavePdf() {
    const QString path =
        platform::ShowFileDialog(false, QStringLiteral("pdf"), tr("PDF document") + QStringLiteral("|*.pdf"));
    if (!path.isEmpty())
        SaveBytes(path, print::ReportPdf(ShownPage()), tr("Unable to save the report to %1: %2."));
}

void ReportsWindow::ExportCsv() {
    const QString path =
        platform::ShowFileDialog(false, QStringLiteral("csv"), tr("CSV file") + QStringLiteral("|*.csv"));
    if (!path.isEmpty())
        SaveBytes(path, reports::CsvText(ShownTable(true)).toUtf8(), tr("Unable to export the report to %1: %2."));
}

void ReportsWindow::SaveChart() {
    const reports::ReportChartView* view = views->currentIndex() == ByMonth ? monthChart : categoryChart;
    const QString path = platform::ShowFileDialog(false, QStringLiteral("png"),
                                                  tr("PNG image") + QStringLiteral("|*.png|") + tr("SVG image") +
                                                      QStringLiteral("|*.svg"));
    if (path.isEmpty())
        return;
    const bool svg = QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    SaveBytes(path,
              svg ? print::ReportChartSvg(view->Chart(), view->size(), print::PaperPalette())
                  : print::ReportChartPng(view->Chart(), view->size(), print::PaperPalette()),
              tr("Unable to save the chart to %1: %2."));
}
