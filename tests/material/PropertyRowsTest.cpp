// The object's properties as the grid's rows and back, on an inline document.

#include "tavo/material/PropertyRows.h"

#include "tavo/material/TavoObj.h"
#include "tests/support/ParsedDocument.h"

#include <gtest/gtest.h>

TEST(PropertyRows, RowsGoBackToTheElementsThatFilledThem)
{
  ParsedDoc doc(R"(<M><N Name="EC2"><Eigenschaft Kurzname="gamma" Wert01="1.5"/>
<O Name="x"><Eigenschaft Kurzname="a" Name="A" Formel="b*2" Wert01="4" Wert02="w2" Einheit="m"/>
<Eigenschaft Name="ohne Kurzname" Wert01="9"/>
<Eigenschaft Kurzname="b" Wert01="2"/></O></N></M>)");
  const CTavoObj object(doc.Find({"EC2", "x"}), true);
  PropertyRows rows;
  const std::vector<QODOM_ELEMENT> elements = LoadPropertyRows(object, rows);

  // The element without Kurzname gets no row; Knoten is the Name of the element holding the row.
  ASSERT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.kurzname, (std::vector<std::string>{"a", "b", "gamma"}));
  EXPECT_EQ(rows.knoten, (std::vector<std::string>{"x", "x", "EC2"}));
  EXPECT_EQ(rows.formulaFlags, (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(rows.wert[1], (std::vector<std::string>{"w2", "", ""}));

  rows.formel[0].clear();  // removes Formel
  rows.wert[0][0] = "5";
  rows.wert[1][0].clear();  // an empty Wert02 leaves the attribute as it is
  rows.wert[0][1] = "3";
  rows.knoten[1] = "y";   // Knoten is never written
  rows.einheit[2] = "-";  // rows inherited from above are written into their level
  StorePropertyRows(rows, elements);
  EXPECT_EQ(doc.Text(), R"(<M><N Name="EC2"><Eigenschaft Kurzname="gamma" Wert01="1.5" Einheit="-"/>
<O Name="x"><Eigenschaft Kurzname="a" Name="A" Wert01="5" Wert02="w2" Einheit="m"/>
<Eigenschaft Name="ohne Kurzname" Wert01="9"/>
<Eigenschaft Kurzname="b" Wert01="3"/></O></N></M>)");
}
