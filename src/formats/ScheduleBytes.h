#pragma once
// A schedule (model/Schedule.h) as bytes, as the companion file and the recovery journal keep it. All numbers
// little-endian:
//   u8 layout 1, i16 type code, u8 is check, u32 m and m bytes of the description in UTF-8, i64 amount cents,
//   u8 amount varies, i64 tolerance cents; the rule: u8 unit, i32 every, u8 place, u8 day of month, u8 nth,
//   u8 weekday, f64 start, f64 end, i32 count, u8 weekend shift; f64 done through, u32 k and k f64 done after.

#include "model/Schedule.h"

#include <QByteArray>

namespace ledger {

QByteArray EncodeSchedule(const Schedule& schedule);
// False for bytes that are not exactly one schedule of layout 1, or one that is not valid.
bool DecodeSchedule(QByteArrayView bytes, Schedule& schedule);

} // namespace ledger
