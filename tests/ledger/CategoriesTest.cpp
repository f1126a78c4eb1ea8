#include "ledger/Categories.h"
#include "LedgerTestSupport.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"

using namespace ledger;
using tallix::test::LedgerTest;

namespace {

class CategoriesTest : public LedgerTest {};

std::vector<int64_t> CentsOf(const std::vector<SplitPart>& parts) {
    std::vector<int64_t> cents;
    for (const SplitPart& part : parts)
        cents.push_back(part.cents);
    return cents;
}

std::vector<SplitPart> Parts(std::initializer_list<int64_t> cents) {
    std::vector<SplitPart> parts;
    for (int64_t each : cents)
        parts.push_back({QStringLiteral("A"), {}, each});
    return parts;
}

TEST(CategoryPath, TypedPathsAreMadeTidyAndTestedByWholeNames) {
    const struct {
        const char* typed;
        const char* tidy;
    } paths[] = {
        {"Food:Groceries", "Food:Groceries"},
        {" Food :  Groceries : ", "Food:Groceries"},
        {"::Car::Fuel", "Car:Fuel"},
        {"Gifts\tand\ncharity", "Giftsandcharity"},
        {"  ", ""},
        {"Two  spaces:in a name", "Two spaces:in a name"},
    };
    for (const auto& p : paths)
        EXPECT_EQ(NormalizedCategory(QString::fromUtf8(p.typed)), QString::fromUtf8(p.tidy)) << p.typed;
    EXPECT_FALSE(IsCategoryPath(QStringLiteral("Food:")));
    EXPECT_FALSE(IsCategoryPath(QString(MaxCategoryLength + 1, u'x')));
    EXPECT_TRUE(IsInCategory(QStringLiteral("Food:Groceries"), QStringLiteral("Food")));
    EXPECT_FALSE(IsInCategory(QStringLiteral("Foodstuff"), QStringLiteral("Food")));
    EXPECT_EQ(MovedCategory(QStringLiteral("Food:Groceries"), QStringLiteral("Food"), QStringLiteral("Home:Food")),
              QStringLiteral("Home:Food:Groceries"));
    EXPECT_EQ(CategoryAndParents(QStringLiteral("A:B:C")),
              QStringList({QStringLiteral("A"), QStringLiteral("A:B"), QStringLiteral("A:B:C")}));
}

TEST(CategoryParts, ScaledPartsAddUpExactlyAndKeepTheirProportions) {
    const struct {
        std::vector<int64_t> before;
        int64_t cents;
        std::vector<int64_t> after;
    } cases[] = {
        {{3000, 2000}, 10000, {6000, 4000}},
        {{1, 1, 1}, 100, {34, 33, 33}},
        {{1, 1, 1}, -100, {-33, -33, -34}},
        {{5000, -1000}, 2000, {2500, -500}},
        {{0, 0}, 500, {0, 500}},
        {{2, 1}, 1, {1, 0}},
        {{MaxCents / 2, MaxCents / 2}, MaxCents - 1, {MaxCents / 2, MaxCents / 2 - 1}},
    };
    for (const auto& c : cases) {
        std::vector<SplitPart> before;
        for (int64_t each : c.before)
            before.push_back({QStringLiteral("A"), {}, each});
        const std::vector<SplitPart> scaled = ScaledParts(before, c.cents);
        EXPECT_EQ(CentsOf(scaled), c.after) << c.cents;
        EXPECT_EQ(PartsTotal(scaled), c.cents);
    }
    EXPECT_EQ(CentsOf(PartsWithDifferenceInLast(Parts({3000, 2000}), 6000)), std::vector<int64_t>({3000, 3000}));
    EXPECT_FALSE(PartsFit(Parts({5000}), 5000)) << "one part is no split";
    EXPECT_FALSE(PartsFit(Parts({3000, 1999}), 5000));
    EXPECT_FALSE(PartsFit(Parts({MaxCents, MaxCents, MaxCents, MaxCents, 2'446'744'073'709'551'616}), 0))
        << "they add up to 2^64, not to 0";
}

TEST(CategoryRules, TheFirstRuleWhoseTextTheDescriptionHoldsWins) {
    const std::vector<CategoryRule> rules = {{QStringLiteral("amazon"), QStringLiteral("Shopping")},
                                             {QStringLiteral("AMAZON PRIME"), QStringLiteral("Entertainment")}};
    EXPECT_EQ(RuleCategoryFor(rules, QStringLiteral("AMAZON PRIME *1234")), QStringLiteral("Shopping"));
    EXPECT_EQ(RuleCategoryFor(rules, QStringLiteral("Shell")), QString());
}

TEST_F(CategoriesTest, RenamingMovesEveryUseAndSnapshotsTakeItBack) {
    const int16_t check = AddTransaction(101, 45000, 50, QStringLiteral("Market"), CheckOrPayment);
    const int16_t deposit = AddTransaction(0, 45001, 20, QStringLiteral("Refund"), Deposit);
    ASSERT_TRUE(SetCategory(
        check, {{}, {{QStringLiteral("Food:Groceries"), {}, 3000}, {QStringLiteral("Household"), {}, 2000}}}));
    EXPECT_FALSE(SetCategory(check, {{}, {{QStringLiteral("Food"), {}, 3000}, {QStringLiteral("Car"), {}, 1000}}}))
        << "parts must add up to the amount";
    ASSERT_TRUE(SetCategory(deposit, {QStringLiteral("Food:Groceries"), {}}));
    ASSERT_TRUE(SetCategoryRules({{QStringLiteral("MARKET"), QStringLiteral("Food:Groceries")}}));
    const CategorySnapshot before = TakeCategories();

    ASSERT_TRUE(MoveCategory(QStringLiteral("Food"), QStringLiteral("Living:Food")));
    EXPECT_EQ(CategoryOf(check).parts[0].category, QStringLiteral("Living:Food:Groceries"));
    EXPECT_EQ(CategoryOf(deposit).category, QStringLiteral("Living:Food:Groceries"));
    EXPECT_EQ(CategoryRules()[0].category, QStringLiteral("Living:Food:Groceries"));
    EXPECT_FALSE(CategoryList().contains(QStringLiteral("Food")));
    EXPECT_FALSE(MoveCategory(QStringLiteral("Living"), QStringLiteral("Living:Inside"))) << "into itself";

    const std::vector<CategoryUse> uses = CategoryUses();
    const auto groceries = std::find_if(uses.begin(), uses.end(), [](const CategoryUse& use) {
        return use.path == QStringLiteral("Living:Food:Groceries");
    });
    ASSERT_NE(groceries, uses.end());
    EXPECT_EQ(groceries->transactions, 2);
    EXPECT_EQ(groceries->cents, -3000 + 2000);

    ASSERT_TRUE(DeleteCategory(QStringLiteral("Living"), QStringLiteral("Household")));
    EXPECT_EQ(CategoryOf(deposit).category, QStringLiteral("Household"));
    EXPECT_TRUE(CategoryRules().empty());

    RestoreCategories(before);
    EXPECT_EQ(TakeCategories(), before);
    EXPECT_EQ(LastCategoryOf(QStringLiteral("Refund")), QStringLiteral("Food:Groceries"));

    ASSERT_TRUE(DeleteTransaction(deposit));
    EXPECT_TRUE(CategoryOf(deposit).IsEmpty()) << "hidden while deleted";
    EXPECT_EQ(LastCategoryOf(QStringLiteral("Refund")), QString());
}

} // namespace
