// A check's amount in words, as US and Canadian checks write it.
#include "model/AmountWords.h"

#include <gtest/gtest.h>

namespace {

TEST(AmountWordsTest, WritesEveryAmountAsChecksDo) {
    struct Case {
        int64_t cents;
        const char* words;
    };
    for (const Case& c : {
             Case{1, "Zero and 01/100"},
             Case{5, "Zero and 05/100"},
             Case{99, "Zero and 99/100"},
             Case{100, "One and 00/100"},
             Case{1234, "Twelve and 34/100"},
             Case{1500, "Fifteen and 00/100"},
             Case{1900, "Nineteen and 00/100"},
             Case{2000, "Twenty and 00/100"},
             Case{2100, "Twenty-one and 00/100"},
             Case{9900, "Ninety-nine and 00/100"},
             Case{10000, "One hundred and 00/100"},
             Case{10100, "One hundred one and 00/100"},
             Case{11000, "One hundred ten and 00/100"},
             Case{99900, "Nine hundred ninety-nine and 00/100"},
             Case{100000, "One thousand and 00/100"},
             Case{100100, "One thousand one and 00/100"},
             Case{123456, "One thousand two hundred thirty-four and 56/100"},
             Case{1000010, "Ten thousand and 10/100"},
             Case{10000000, "One hundred thousand and 00/100"},
             Case{13107199, "One hundred thirty-one thousand seventy-one and 99/100"},
             Case{100000000, "One million and 00/100"},
             Case{98765432100000, "Nine hundred eighty-seven billion six hundred fifty-four million three hundred "
                                  "twenty-one thousand and 00/100"},
             Case{100000000000000, "One trillion and 00/100"},
             Case{-2100, "Twenty-one and 00/100"},
         }) {
        EXPECT_EQ(ledger::AmountInWords(c.cents).toStdString(), c.words) << c.cents;
    }
}

} // namespace
