// The upcoming bar below the grid: the scheduled transactions due up to the horizon, under a line with today's
// date, in grey italics with the running balance continuing through them; Enter and Skip for one of them; and the
// forecast's note. Nothing here is ever written to the data file until entered.
#include "ui/register/frmRegister.h"

#include "ledger/Ledger.h"
#include "ledger/LedgerRules.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "platform/widgets/Contrast.h"
#include "platform/widgets/FlexGridView.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/Twips.h"
#include "register/ForecastText.h"
#include "ui/register/UpcomingModel.h"

#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

using namespace RegisterColumn;

namespace {
constexpr int MostUpcomingRowsShown = 5;

QFrame* Rule(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

void frmRegister::CreateUpcomingBar() {
    UpcomingBar = new QWidget(this);
    UpcomingBar->setObjectName(QStringLiteral("UpcomingBar"));
    auto* layout = new QGridLayout(UpcomingBar);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setVerticalSpacing(1);
    UpcomingTitle = new QLabel(UpcomingBar);
    UpcomingTitle->setObjectName(QStringLiteral("UpcomingTitle"));
    UpcomingEnter = new QPushButton(tr("&Enter"), UpcomingBar);
    UpcomingEnter->setObjectName(QStringLiteral("UpcomingEnter"));
    UpcomingSkip = new QPushButton(tr("S&kip"), UpcomingBar);
    UpcomingSkip->setObjectName(QStringLiteral("UpcomingSkip"));
    for (QPushButton* button : {UpcomingEnter, UpcomingSkip})
        button->setAutoDefault(false);
    auto* title = new QHBoxLayout;
    title->addWidget(Rule(UpcomingBar), 1);
    title->addWidget(UpcomingTitle);
    title->addWidget(Rule(UpcomingBar), 1);
    title->addWidget(UpcomingEnter);
    title->addWidget(UpcomingSkip);
    layout->addLayout(title, 0, 0);

    Upcoming = new QTableView(UpcomingBar);
    upcomingRows = new UpcomingModel(procedures.Codec(), Upcoming);
    Upcoming->setModel(upcomingRows);
    Upcoming->setObjectName(QStringLiteral("Upcoming"));
    Upcoming->setAccessibleName(tr("Upcoming scheduled transactions"));
    Upcoming->horizontalHeader()->hide();
    Upcoming->verticalHeader()->hide();
    Upcoming->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Upcoming->setSelectionBehavior(QAbstractItemView::SelectRows);
    Upcoming->setSelectionMode(QAbstractItemView::SingleSelection);
    Upcoming->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Upcoming->setContextMenuPolicy(Qt::CustomContextMenu);
    // Rows as the grid's, so that the two read as one register.
    Upcoming->setFont(MSFlexGrid1->font());
    Upcoming->verticalHeader()->setMinimumSectionSize(1);
    Upcoming->verticalHeader()->setDefaultSectionSize(MSFlexGrid1->verticalHeader()->defaultSectionSize());
    Upcoming->setTextElideMode(Qt::ElideNone);
    Upcoming->setShowGrid(false);
    Upcoming->installEventFilter(this);
    layout->addWidget(Upcoming, 1, 0);

    ForecastNote = new QLabel(UpcomingBar);
    ForecastNote->setObjectName(QStringLiteral("ForecastNote"));
    layout->addWidget(ForecastNote, 2, 0);

    connect(UpcomingEnter, &QPushButton::clicked, this, &frmRegister::UpcomingEnter_Click);
    connect(UpcomingSkip, &QPushButton::clicked, this, &frmRegister::UpcomingSkip_Click);
    connect(Upcoming->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const bool pointed = CurrentUpcoming() != nullptr && !readOnly;
        UpcomingEnter->setEnabled(pointed);
        UpcomingSkip->setEnabled(pointed);
    });
    connect(Upcoming, &QTableView::doubleClicked, this, &frmRegister::UpcomingEnter_Click);
    connect(Upcoming, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (CurrentUpcoming() == nullptr || readOnly)
            return;
        QMenu menu(this);
        menu.addAction(tr("&Enter"), this, &frmRegister::UpcomingEnter_Click);
        menu.addAction(tr("S&kip"), this, &frmRegister::UpcomingSkip_Click);
        menu.exec(Upcoming->viewport()->mapToGlobal(at));
    });
    // The grid's columns widen with the window: the rows below keep their amounts under the grid's.
    connect(MSFlexGrid1->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int col) { FollowGridColumn(col); });
    MSFlexGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MSFlexGrid1, &QWidget::customContextMenuRequested, this, &frmRegister::MSFlexGrid1_ContextMenu);
    UpcomingBar->hide();
}

void frmRegister::FollowGridColumn(int col) {
    const int width = MSFlexGrid1->columnWidth(col);
    Upcoming->setColumnHidden(col, width == 0 || MSFlexGrid1->isColumnHidden(col));
    Upcoming->setColumnWidth(col, width);
}

void frmRegister::UpdateBars() {
    UpdateStatementBar();
    UpdateUpcoming();
}

void frmRegister::SetLookAhead(LookAhead values) {
    lookAhead = std::move(values);
    UpdateUpcoming();
}

// Shown while the ledger has schedules; the list follows the rows' balances and the schedules as they are now.
void frmRegister::UpdateUpcoming() {
    const bool shown = !ledger::Schedules().empty();
    const int selected = Upcoming->currentIndex().row();
    forecast = procedures.LookAhead(lookAhead.today, lookAhead.horizonDays);
    const platform::LocaleCodec& codec = procedures.Codec();
    UpcomingTitle->setText(tr("Today, %1").arg(codec.FormatShortDate(lookAhead.today)));
    QFont italic = Upcoming->font();
    italic.setItalic(true);
    // Due ones in the text's own colour, the rest greyed: what needs entering stands out.
    const QColor text = Upcoming->palette().color(QPalette::Active, QPalette::Text);
    upcomingRows->Show(forecast.rows, italic, text,
                       platform::SubduedText(text, Upcoming->palette().color(QPalette::Active, QPalette::Base)));
    for (int col = 0; col < Count; ++col)
        FollowGridColumn(col);
    if (!forecast.rows.empty())
        Upcoming->setCurrentIndex(
            upcomingRows->index(std::clamp(selected, 0, int(forecast.rows.size()) - 1), Description));
    const int rowsShown = std::clamp(int(forecast.rows.size()), 1, MostUpcomingRowsShown);
    Upcoming->setFixedHeight(rowsShown * Upcoming->verticalHeader()->defaultSectionSize() + 2 * Upcoming->frameWidth());
    UpcomingEnter->setEnabled(CurrentUpcoming() != nullptr && !readOnly);
    UpcomingSkip->setEnabled(CurrentUpcoming() != nullptr && !readOnly);

    ForecastNote->setText(::ForecastNote(forecast, codec));
    platform::ShowAsWarning(*ForecastNote, IsLowForecast(forecast, lookAhead.cushionCents));
    // The bar takes the grid's room as it shows, hides, or lists fewer rows than before.
    const int placedHeight = UpcomingBar->isHidden() ? 0 : UpcomingBar->height();
    UpcomingBar->setVisible(shown);
    if ((shown ? UpcomingBar->sizeHint().height() : 0) != placedHeight)
        Form_Resize();
}

const UpcomingRow* frmRegister::CurrentUpcoming() const {
    const int row = Upcoming->currentIndex().row();
    if (row < 0 || size_t(row) >= forecast.rows.size() || !Upcoming->selectionModel()->isRowSelected(row))
        return nullptr;
    return &forecast.rows[size_t(row)];
}

// The occurrence becomes a transaction in the rows, current in its amount cell, so that an amount that varies is
// corrected first.
void frmRegister::UpcomingEnter_Click() {
    const UpcomingRow* upcoming = CurrentUpcoming();
    if (upcoming == nullptr || readOnly ||
        !platform::ShowIfFailed(ledger::CheckAfterLockDate(upcoming->occurrence.day)))
        return;
    if (!ledger::CanAddTransaction()) {
        platform::MsgBox(tr("The register is full: no more transactions can be added."));
        return;
    }
    const bool varies = upcoming->amountVaries;
    if (procedures.Enter(*upcoming) == 0)
        return;
    MSFlexGrid1->setFocus();
    if (varies)
        GridEdit(platform::KeySpace);
}

void frmRegister::UpcomingSkip_Click() {
    const UpcomingRow* upcoming = CurrentUpcoming();
    if (upcoming != nullptr && !readOnly)
        procedures.Skip(*upcoming);
}

// Right click on a row: Repeat... makes a schedule of it, after the user has looked at it.
