#pragma once
// View ▸ Reports...: where the money went over a period, as three views: spending and income by category (a tree
// with subtotals and shares beside bars or a pie), income and spending month by month, and spending by payee; each
// can be compared with the period before. The shown view prints, saves as PDF and exports as CSV; its chart saves
// as PNG or SVG. The window follows the store while it is open.

#include "print/ReportChart.h"
#include "register/CategoryReport.h"

#include <QDialog>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace reports {
class ReportChartView;
}

class ReportsWindow : public QDialog {
    Q_OBJECT
public:
    // `title` heads the printed report (the ledger's name); `today` sets the periods' days.
    ReportsWindow(QWidget* owner, const QString& title, QDate today);

Q_SIGNALS:
    // A category row was double-clicked: its path (empty for "no category") and the period shown.
    void CategoryChosen(QString path, report::Period period);

private:
    enum View { ByCategory, ByMonth, ByPayee };

    // Reads the figures of the chosen period again and shows them.
    void Refresh();
    void ShowPeriodKind();
    void ShowCategoryChart();
    void ChooseRow(QTreeWidgetItem* item);
    // The shown view as a table, in the locale or in plain numbers.
    print::ReportTable ShownTable(bool plain) const;
    // The shown view's title and chart (none for payees).
    QString ShownTitle() const;
    print::ReportChart ShownChart() const;
    print::ReportPage ShownPage() const;
    void PrintReport();
    void SavePdf();
    void ExportCsv();
    void SaveChart();
    void SaveBytes(const QString& path, const QByteArray& bytes, const QString& what);

    QString title;
    QDate today;
    report::Period period;
    report::CategoryReport categories;
    std::vector<report::MonthLine> months;
    std::vector<report::PayeeLine> payees;
    std::vector<std::optional<QString>> rowPaths; // the category tree's rows, in order
    bool incomeChart = false;

    QComboBox* periodKind = nullptr;
    QDateEdit* fromDate = nullptr;
    QDateEdit* toDate = nullptr;
    QCheckBox* compare = nullptr;
    QLabel* periodLabel = nullptr;
    QTabWidget* views = nullptr;
    QTreeWidget* categoryTree = nullptr;
    QComboBox* chartKind = nullptr;
    reports::ReportChartView* categoryChart = nullptr;
    QTreeWidget* monthTable = nullptr;
    reports::ReportChartView* monthChart = nullptr;
    QTreeWidget* payeeTable = nullptr;
    QPushButton* saveChartButton = nullptr;
};
