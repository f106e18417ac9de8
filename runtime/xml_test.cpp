#include "runtime/xml.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

TEST(Xml, ReadsTheTextsOfTheRootsChildren)
{
    Texts texts;
    ASSERT_TRUE(ReadXmlRootChildTexts("<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n<!-- skins -->\r\n"
                                      "<skins>\r\n  <a>蓝色</a>\r\n  <b> green </b><c/><d>x &amp; <i>y</i><![CDATA[<z>]]></d>\r\n</skins>",
                                      texts));
    EXPECT_EQ(texts, (Texts{"蓝色", "green", "", "x & y<z>"}));
}

TEST(Xml, ConvertsUtf8DocumentsToGbk)
{
    Texts texts;
    ASSERT_TRUE(ReadXmlRootChildTexts("\xEF\xBB\xBF<r><s>\xE8\x93\x9D</s></r>", texts));  // 蓝 in UTF-8 with a BOM
    EXPECT_EQ(texts, Texts{"蓝"});
    ASSERT_TRUE(ReadXmlRootChildTexts("<r><s>\xE8\x93\x9D</s></r>", texts));
    EXPECT_EQ(texts, Texts{"蓝"});
}

TEST(Xml, RejectsBrokenDocuments)
{
    Texts texts{"old"};
    EXPECT_FALSE(ReadXmlRootChildTexts("", texts));
    EXPECT_TRUE(texts.empty());
    EXPECT_FALSE(ReadXmlRootChildTexts("<r><a>1</b></r>", texts));
    EXPECT_FALSE(ReadXmlRootChildTexts("<r><a>1</a>", texts));
    EXPECT_TRUE(ReadXmlRootChildTexts("<r/>", texts));
    EXPECT_TRUE(texts.empty());
}

// Entities are decoded whatever characters stand before them; numeric references too.
TEST(Xml, DecodesReferencesAfterAnyCharacters)
{
    Texts texts;
    ASSERT_TRUE(ReadXmlRootChildTexts("<r><a>\xE4\xB8\xAD&amp;</a></r>", texts));  // 中 in UTF-8: three bytes
    EXPECT_EQ(texts, Texts{"中&"});
    ASSERT_TRUE(ReadXmlRootChildTexts("<r><b>中&lt;文&gt;</b><c>&#20013;&#x41;&#X41;&#0;&#xD800;&bogus;&amp;lt;</c>"
                                      "<d>&#x1F600;</d></r>", texts));
    EXPECT_EQ(texts, (Texts{"中<文>", "中A&#X41;&#0;&#xD800;&bogus;&lt;", "?"}));
}

// An undeclared GBK document that is no strict UTF-8 is read as GBK; a declaration wins over guessing.
TEST(Xml, DetectsTheEncodingStrictlyAndPrefersTheDeclaration)
{
    Texts texts;
    ASSERT_TRUE(ReadXmlRootChildTexts("<r><a>蓝色</a></r>", texts));  // GBK C0 B6 C9 AB: overlong as UTF-8
    EXPECT_EQ(texts, Texts{"蓝色"});
    ASSERT_TRUE(ReadXmlRootChildTexts("<?xml version='1.0' encoding='UTF-8'?><r><a>\xE8\x93\x9D</a></r>", texts));
    EXPECT_EQ(texts, Texts{"蓝"});
    // These bytes are 中 in UTF-8, but the declaration says GBK: they stay as they are.
    ASSERT_TRUE(ReadXmlRootChildTexts("<?xml version=\"1.0\" encoding=\"GBK\"?><r><a>\xE4\xB8\xAD</a></r>", texts));
    EXPECT_EQ(texts, Texts{"\xE4\xB8\xAD"});
}

// A ">" inside a quoted attribute value does not end the tag; text in the root between children is
// passed over.
TEST(Xml, ReadsTagsWithQuotedValuesAndTextBetweenChildren)
{
    Texts texts;
    ASSERT_TRUE(ReadXmlRootChildTexts("<r title='a>b'>lead<a title=\"x>y\" n='\"'>text</a>mid &amp; <![CDATA[<x>]]>"
                                      "<b x='/'>two</b><c a=\"1\"/>tail</r>", texts));
    EXPECT_EQ(texts, (Texts{"text", "two", ""}));
    ASSERT_TRUE(ReadXmlRootChildTexts("<!DOCTYPE r [<!ENTITY e \"x>\">]><r><a>1</a></r>", texts));
    EXPECT_EQ(texts, Texts{"1"});
    EXPECT_FALSE(ReadXmlRootChildTexts("<r><a title=\"x>1</a></r>", texts));  // an unclosed quote
}

}  // namespace
