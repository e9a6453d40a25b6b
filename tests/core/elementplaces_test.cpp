// Where the style dialog says each element of the pages shows.
#include <gtest/gtest.h>

#include "style/elementplaces.h"
#include "style/styletables.h"

TEST(ElementPlaces, EveryElementThePagesUseSaysWhereInAnyCase)
{
    EXPECT_EQ(sw::ElementPlace("H4"), "Noms des plans, « Réalisation »");
    EXPECT_EQ(sw::ElementPlace("blockQUOTE"), sw::ElementPlace("Blockquote"));
    EXPECT_EQ(sw::ElementPlace(".num"), "Numéros des plans");
    EXPECT_TRUE(sw::ElementPlace(".citation").empty());
    EXPECT_TRUE(sw::ElementPlace("").empty());
    // Every element of the editor's own style set has its place.
    for (const sw::TStyleRow& row : sw::AppStyleTable)
        EXPECT_FALSE(sw::ElementPlace(row.selector).empty()) << row.selector;
}
