#include "CMetaItem.hpp"
#include "IDataAccess.hpp"
#include "VantorOemStrings.hpp"

#include <gtest/gtest.h>

#include <climits>

namespace {

class CTestChild : public CMetaItem {
    AFX_DECLARE_CLASS(CTestChild)
};

class CTestRecord : public CMetaItem {
    AFX_DECLARE_CLASS(CTestRecord)
public:
    LONG m_count = 7;
    DWORD m_mask = 0;
    CString m_name = "first";
    CTestChild * m_child = nullptr;

protected:
    void AddMetaData() override {
        CMetaItem::AddMetaData();
        AddMeta("Count", metaInteger, &CTestRecord::m_count);
        AddMeta("Mask", metaUnsigned, &CTestRecord::m_mask);
        AddMeta("Name", metaString, &CTestRecord::m_name);
        AddMeta("Child", metaItem, &CTestRecord::m_child);
    }
};

class CTestMore : public CTestRecord {
    AFX_DECLARE_CLASS(CTestMore)
public:
    LONG m_extra = -3;

protected:
    void AddMetaData() override {
        CTestRecord::AddMetaData();
        AddMeta("Extra", metaInteger, &CTestMore::m_extra);
    }
};

class CTestWrongType : public CMetaItem {
    AFX_DECLARE_CLASS(CTestWrongType)
public:
    LONG m_value = 0;

protected:
    void AddMetaData() override { AddMeta("Value", metaString, &CTestWrongType::m_value); }
};

class CTestTwice : public CMetaItem {
    AFX_DECLARE_CLASS(CTestTwice)
public:
    LONG m_value = 0;

protected:
    void AddMetaData() override {
        AddMeta("Value", metaInteger, &CTestTwice::m_value);
        AddMeta("Value", metaInteger, &CTestTwice::m_value);
    }
};

AFX_IMPLEMENT_CLASS(CTestChild, CMetaItem, &CMetaItem::AfxConstruct)
AFX_IMPLEMENT_CLASS(CTestRecord, CMetaItem, &CMetaItem::AfxConstruct)
AFX_IMPLEMENT_CLASS(CTestMore, CTestRecord, &CMetaItem::AfxConstruct)
AFX_IMPLEMENT_CLASS(CTestWrongType, CMetaItem, &CMetaItem::AfxConstruct)
AFX_IMPLEMENT_CLASS(CTestTwice, CMetaItem, &CMetaItem::AfxConstruct)

} // namespace

TEST(MetaItem, AccessorsReadAndWriteTheAskedItem) {
    CTestRecord a, b;
    IDataAccess * count = a.GetDataAccess("Count");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count, b.GetDataAccess("Count")) << "accessors belong to the class";
    EXPECT_EQ(a.GetDataAccess("Missing"), nullptr);
    EXPECT_EQ(a.GetDataAccess(nullptr), nullptr);

    EXPECT_TRUE(count->WriteInteger(&b, 42));
    EXPECT_EQ(a.m_count, 7);
    EXPECT_EQ(b.m_count, 42);
    EXPECT_EQ(count->ReadInteger(&a), 7);
    EXPECT_EQ(count->GetDataPtr(&b), static_cast<void *>(&b.m_count));
    EXPECT_FALSE(b.IsDirty());
    count->NotifyWrite(&b);
    EXPECT_TRUE(b.IsDirty());
    EXPECT_FALSE(a.IsDirty());
    EXPECT_STREQ(count->GetName(), "Count");
    EXPECT_EQ(count->GetType(), CMetaItem::metaInteger);
}

TEST(MetaItem, TextAndNumberConversions) {
    struct Case {
        char const * tag;
        char const * written;
        BOOL accepted;
        char const * readBack;
        LONG number;
    } const cases[] = {
        {"Count", "-12", TRUE, "-12", -12},
        {"Count", " 5 ", TRUE, "5", 5},
        {"Count", "12x", FALSE, "7", 7},
        {"Count", "", FALSE, "7", 7},
        {"Count", "2147483648", FALSE, "7", 7},
        {"Count", "-2147483648", TRUE, "-2147483648", INT_MIN},
        {"Mask", "4294967295", TRUE, "4294967295", -1},
        {"Mask", "-1", FALSE, "0", 0},
        {"Name", "anything, even commas", TRUE, "anything, even commas", 0},
        {"Name", "123", TRUE, "123", 123},
        {"Child", "text", FALSE, "", 0},
    };
    for (Case const & c : cases) {
        CTestRecord item;
        IDataAccess * access = item.GetDataAccess(c.tag);
        ASSERT_NE(access, nullptr) << c.tag;
        EXPECT_EQ(access->WriteString(&item, c.written), c.accepted) << c.tag << " " << c.written;
        EXPECT_EQ(access->ReadString(&item), c.readBack) << c.tag << " " << c.written;
        EXPECT_EQ(access->ReadInteger(&item), c.number) << c.tag << " " << c.written;
    }
}

TEST(MetaItem, ItemPointersAndInheritedProperties) {
    CTestMore item;
    CTestChild child;
    item.m_child = &child;
    IDataAccess * access = item.GetDataAccess("Child");
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(*static_cast<CItem **>(access->GetDataPtr(&item)), &child);
    EXPECT_EQ(access->ReadString(&item), "CTestChild");
    EXPECT_FALSE(access->WriteInteger(&item, 1));

    EXPECT_EQ(item.GetMetaCount(), 5u);
    EXPECT_STREQ(item.GetMetaAt(4)->GetName(), "Extra");
    EXPECT_EQ(item.GetDataAccess("Extra")->ReadInteger(&item), -3);
    EXPECT_EQ(item.GetDataAccess("Name")->ReadString(&item), "first");
    EXPECT_EQ(item.GetMetaAt(5), nullptr);
}

TEST(MetaItem, RegistrationMistakesFailLoudly) {
    CTestWrongType wrong;
    EXPECT_THROW(wrong.GetDataAccess("Value"), CException);
    CTestTwice twice;
    EXPECT_THROW(twice.Init(), CException);
}

TEST(MetaItem, PlainItemsHaveNoPropertiesOrView) {
    CItem item;
    EXPECT_EQ(item.GetDataAccess("Count"), nullptr);
    EXPECT_EQ(item.CreateItemView(), nullptr);
    CItem parent;
    item.SetParent(&parent);
    EXPECT_EQ(item.GetParent(), &parent);
}

TEST(OemStrings, IdentityUntilAHostInstallsOne) {
    CString text("Mode %OEM%");
    VantorOemStrings(text);
    EXPECT_EQ(text, "Mode %OEM%");
    VantorOemFunction previous =
        VantorSetOemStrings([](CString & t) { t.Replace("%OEM%", "Acme"); });
    VantorOemStrings(text);
    EXPECT_EQ(text, "Mode Acme");
    VantorSetOemStrings(previous);
}
