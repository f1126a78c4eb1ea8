// The register's find bar: Ctrl+F opens it below the grid, Enter and F3 go to the next match, Shift with either to
// the previous one, Escape closes it.
#include "platform/widgets/FlexGridView.h"
#include "register/RegisterFind.h"
#include "ui/register/frmRegister.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace RegisterColumn;

void frmRegister::ShowFindBar() {
    if (FindBar->isHidden()) {
        FindBar->show();
        Form_Resize();
    }
    FindText->setFocus(Qt::ShortcutFocusReason);
    FindText->selectAll();
}

void frmRegister::HideFindBar() {
    FindBar->hide();
    FindNote->clear();
    Form_Resize();
    MSFlexGrid1->setFocus();
}

void frmRegister::FindStep(bool forward) {
    if (FindBar->isHidden()) {
        ShowFindBar();
        if (FindText->text().isEmpty())
            return;
    }
    const RegisterFind find(FindText->text());
    if (find.IsEmpty())
        return;
    const std::optional<RegisterFind::Hit> hit = find.Step(grid, grid.Row(), forward);
    if (!hit) {
        FindNote->setText(tr("Not found"));
        return;
    }
    FindNote->setText(hit->wrapped ? tr("Search wrapped") : QString());
    // The match is shown in a column the user can see.
    const int col = grid.Col() < grid.FixedCols() || grid.ColWidth(grid.Col()) == 0 ? Description : grid.Col();
    grid.MoveTo(hit->row, col);
    MSFlexGrid1->ScrollToCurrent();
}
