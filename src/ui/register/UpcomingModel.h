#pragma once
// The upcoming rows as the register window's list shows them: the register's columns, grey italics, due ones in the
// text's own colour. Texts are made when the view asks for them, so that a year of a few dozen schedules (thousands
// of rows) costs nothing until scrolled to.

#include "platform/LocaleCodec.h"
#include "register/Forecast.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

class UpcomingModel : public QAbstractTableModel {
public:
    // `codec` must outlive the model.
    UpcomingModel(const platform::LocaleCodec& codec, QObject* parent);

    // The rows to show, with the font and the colours of rows due and not yet due.
    void Show(std::vector<UpcomingRow> rows, const QFont& font, const QColor& due, const QColor& later);
    const std::vector<UpcomingRow>& Rows() const { return rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const platform::LocaleCodec& codec;
    std::vector<UpcomingRow> rows;
    QFont font;
    QColor due;
    QColor later;
};
