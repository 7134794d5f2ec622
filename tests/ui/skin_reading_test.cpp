// Reading skins: attribute values, XML through XmlLite, image strings, language files and PNG
// decoding into premultiplied pixels.
#include <gtest/gtest.h>

#include "ui/ui.h"
#include "ui/resource/language_table.h"
#include "ui/xml/xml_document.h"
#include "tests/ui/ui_test_support.h"

using namespace DuiLib;

namespace {

TEST(AttributeValues, Colours) {
    struct Case {
        LPCWSTR pstrValue;
        DWORD dwExpected;
    } cases[] = {
        {L"#FF202830", 0xFF202830}, {L"#202830", 0xFF202830}, {L"0x80FFFFFF", 0x80FFFFFF},
        {L"#00000000", 0x00000000}, {L"nonsense", 0},         {L"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseColor(c.pstrValue), c.dwExpected) << c.pstrValue;
}

TEST(AttributeValues, RectsSizesAndLists) {
    RECT rc = ParseRect(L"1, 2,-3,4");
    EXPECT_EQ(rc.left, 1);
    EXPECT_EQ(rc.top, 2);
    EXPECT_EQ(rc.right, -3);
    EXPECT_EQ(rc.bottom, 4);
    rc = ParseRect(L"5,6");
    EXPECT_EQ(rc.top, 6);
    EXPECT_EQ(rc.right, 0);
    SIZE sz = ParseSize(L"800,572");
    EXPECT_EQ(sz.cx, 800);
    EXPECT_EQ(sz.cy, 572);

    AttributeList list = ParseAttributeList(L" bkcolor=\"#FF000000\" text='a b' name = \"x\" broken=");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].first, L"bkcolor");
    EXPECT_EQ(list[1].second, L"a b");
    EXPECT_EQ(list[2].first, L"name");
}

TEST(XmlDocument, ReadsElementsAttributesAndText) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString(L"<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                   L"<Window size=\"10,20\"><Font id=\"1\"/><Label text=\"&lt;x&gt;\">in<![CDATA[side]]></Label>"
                                   L"<Label/></Window>"));
    const CXmlNode* pRoot = doc.GetRoot();
    ASSERT_NE(pRoot, nullptr);
    EXPECT_EQ(pRoot->sName, L"Window");
    EXPECT_STREQ(pRoot->GetAttribute(L"size"), L"10,20");
    EXPECT_EQ(pRoot->GetAttribute(L"missing"), nullptr);
    ASSERT_EQ(pRoot->aChildren.size(), 3u);
    EXPECT_STREQ(pRoot->aChildren[1].GetAttribute(L"text"), L"<x>");
    EXPECT_EQ(pRoot->aChildren[1].sText, L"inside");
}

TEST(XmlDocument, RefusesMalformedAndMissingInput) {
    CXmlDocument doc;
    EXPECT_FALSE(doc.LoadFromString(L"<Window><Label></Window>"));
    EXPECT_EQ(doc.GetRoot(), nullptr);
    EXPECT_FALSE(doc.LoadFromString(L"<a/><b/>"));
    EXPECT_FALSE(doc.LoadFromString(L""));
    EXPECT_FALSE(doc.LoadFromFile((uitest::ResourceFolder() + L"no_such_file.xml").c_str()));
    EXPECT_FALSE(doc.GetError().empty());
    // A document type declaration is not processed.
    EXPECT_FALSE(doc.LoadFromString(L"<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>"));
}

TEST(XmlDocument, ReadsUtf8FileWithChineseText) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile((uitest::ResourceFolder() + L"lan\\CN.xml").c_str()));
    ASSERT_EQ(doc.GetRoot()->aChildren.size(), 2u);
    EXPECT_STREQ(doc.GetRoot()->aChildren[0].GetAttribute(L"value"), L"\u4F60\u597D");
    EXPECT_EQ(doc.GetRoot()->aChildren[1].sText, L"\u8BBE\u7F6E");
}

TEST(ImageString, BareFileAndAttributes) {
    TDrawInfo info;
    ASSERT_TRUE(info.Parse(L"skins/btn.png"));
    EXPECT_EQ(info.sFile, L"skins/btn.png");
    EXPECT_FALSE(info.bDest);

    ASSERT_TRUE(info.Parse(L"res='skins/mouse.png' dest='2,2,28,28' source='0,0,26,26' corner='1,2,3,4' fade='128'"));
    EXPECT_EQ(info.sFile, L"skins/mouse.png");
    EXPECT_TRUE(info.bDest);
    EXPECT_EQ(info.rcDest.right, 28);
    EXPECT_TRUE(info.bSource);
    EXPECT_EQ(info.rcSource.bottom, 26);
    EXPECT_EQ(info.rcCorner.bottom, 4);
    EXPECT_EQ(info.uFade, 128);

    info.ApplyModifier(L"dest='0,0,4,4'");
    EXPECT_EQ(info.rcDest.right, 4);
    EXPECT_EQ(info.sFile, L"skins/mouse.png");
    EXPECT_FALSE(info.Parse(L"dest='1,1,2,2'"));
}

TEST(LanguageTable, LoadsKeepsOnFailureAndFindsIds) {
    CLanguageTable table;
    ASSERT_TRUE(table.LoadFromFile((uitest::ResourceFolder() + L"lan\\EN.xml").c_str()));
    ASSERT_NE(table.Find(L"hello_text"), nullptr);
    EXPECT_EQ(*table.Find(L"hello_text"), L"Hello");
    EXPECT_EQ(*table.Find(L"title_text"), L"Settings");
    EXPECT_EQ(table.Find(L"missing_text"), nullptr);
    EXPECT_FALSE(table.LoadFromFile((uitest::ResourceFolder() + L"lan\\broken.xml").c_str()));
    EXPECT_FALSE(table.LoadFromFile((uitest::ResourceFolder() + L"lan\\none.xml").c_str()));
    EXPECT_EQ(*table.Find(L"hello_text"), L"Hello");
}

TEST(ResourceManager, TextsOfTheCurrentLanguage) {
    CResourceManager* pRes = CResourceManager::GetInstance();
    ASSERT_TRUE(pRes->LoadLanguage(L"lan/EN.xml"));
    EXPECT_EQ(pRes->GetText(L"hello_text"), L"Hello");
    // An id the language does not know is shown as itself; the empty id is empty.
    EXPECT_EQ(pRes->GetText(L"57%"), L"57%");
    EXPECT_EQ(pRes->GetText(L"Kana/Roma"), L"Kana/Roma");
    EXPECT_EQ(pRes->GetText(L""), L"");
    EXPECT_EQ(pRes->GetText(nullptr), L"");

    ASSERT_TRUE(pRes->LoadLanguage(L"lan/CN.xml"));
    EXPECT_EQ(pRes->GetText(L"hello_text"), L"\u4F60\u597D");
    EXPECT_EQ(pRes->GetText(L"key_A"), L"key_A");  // not in this language
    // Missing and unreadable files leave the language in force, silently.
    EXPECT_FALSE(pRes->LoadLanguage(L"lan/YUENAN.xml"));
    EXPECT_FALSE(pRes->LoadLanguage(L"lan/broken.xml"));
    EXPECT_EQ(pRes->GetText(L"hello_text"), L"\u4F60\u597D");
    ASSERT_TRUE(pRes->LoadLanguage(L"lan/EN.xml"));
}

TEST(ImageCache, PngBecomesPremultipliedPixels) {
    const TImageInfo* pImage = CResourceManager::GetInstance()->GetImage(L"images/alpha_pair.png");
    ASSERT_NE(pImage, nullptr);
    EXPECT_EQ(pImage->nX, 2);
    EXPECT_EQ(pImage->nY, 1);
    EXPECT_TRUE(pImage->bAlpha);
    EXPECT_EQ(pImage->pBits[0], 0xFFFF0000u);  // opaque red
    EXPECT_EQ(pImage->pBits[1], 0x7F00007Fu);  // blue at alpha 127, premultiplied
    // The same path in another spelling is the same cached image.
    EXPECT_EQ(CResourceManager::GetInstance()->GetImage(L"IMAGES\\alpha_pair.png"), pImage);
    EXPECT_EQ(CResourceManager::GetInstance()->GetImage(L"images/none.png"), nullptr);
    EXPECT_EQ(CResourceManager::GetInstance()->GetImage(L"lan/EN.xml"), nullptr);
}

}  // namespace
