#include "register/LedgerBalance.h"

#include "platform/LocaleCodec.h"
#include "register/RegisterRows.h"

int64_t BalanceOn(double day) {
    return BalanceThrough(BuildRegisterRows(platform::LocaleCodec()), day);
}
