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

}  // namespace
