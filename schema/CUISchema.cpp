#include "CUISchema.hpp"

#include "AfxLocale.hpp"
#include "AfxTrace.hpp"
#include "CEntity.hpp"
#include "CFilename.hpp"
#include "CMetaItem.hpp"
#include "CModule.hpp"
#include "CPrintf.hpp"
#include "RecordFields.hpp"
#include "VantorOemStrings.hpp"
#include "VantorUIModule.hpp"

#include <cstdio>
#include <cstring>

AFX_IMPLEMENT_CLASS(CUISchema, CObject, &CObject::AfxConstruct)

namespace {

// Sets the thread locale back to what it was, however the passes end.
class LocaleRestore {
public:
    explicit LocaleRestore(LCID locale) : m_locale(locale) {}
    ~LocaleRestore() { SetThreadLocale(m_locale); }
    LocaleRestore(LocaleRestore const &) = delete;
    LocaleRestore & operator=(LocaleRestore const &) = delete;

private:
    LCID m_locale;
};

CString Field(CArray<CString> const & fields, UINT index) {
    return index < fields.GetCount() ? fields[index] : CString();
}

// The element class a record names: a class this library registered.
CRuntimeClass const * FindElementClass(char const * name) {
    return CRuntimeClass::FindClass(CEntity(VantorUIModule(), name));
}

// The element class of a record read from a source, or null with a trace line that tells
// a host why the record is missing. A broken list of a million records would make a trace as
// large as itself, so one load reports the first records it drops and then how many more.
class RecordClasses {
public:
    static constexpr UINT reported = 200;

    explicit RecordClasses(CUIDataOrigin const & origin) : m_origin(origin) {}
    ~RecordClasses() {
        if (m_dropped > reported)
            AfxTrace("Schema list %s: %u more records with problems, not listed\n",
                     m_origin.m_source.GetString(), m_dropped - reported);
    }
    RecordClasses(RecordClasses const &) = delete;
    RecordClasses & operator=(RecordClasses const &) = delete;

    CRuntimeClass const * Find(CString const & className, CString const & tag) {
        CRuntimeClass const * cls = FindElementClass(className);
        if (!cls && m_dropped++ < reported)
            AfxTrace("Schema record %s of %s (language %u) dropped: no element class \"%s\"\n",
                     tag.GetString(), m_origin.m_source.GetString(), m_origin.m_language,
                     className.GetString());
        return cls;
    }

    // A record whose quotes do not close is read as if it had none.
    void Unreadable(CString const & record) {
        if (m_dropped++ < reported)
            AfxTrace("Schema record of %s (language %u) has a quote that does not close; read "
                     "without quotes: %s\n",
                     m_origin.m_source.GetString(), m_origin.m_language, record.GetString());
    }

private:
    CUIDataOrigin const & m_origin;
    UINT m_dropped = 0;
};

bool IsFrench(LCID locale) {
    return (locale & 0x3FF) == 12;
}

} // namespace

CUISchema::CUISchema(CItem * item) : m_itemClass(item->AfxObjectClassInfo()) {
    LoadData(m_itemClass);
}

CUISchema::~CUISchema() = default;

int CUISchema::CheckType(CItem * item) const {
    return item && item->AfxObjectClassInfo() == m_itemClass;
}

CUIData const * CUISchema::GetUIData(char const * tag) const {
    UINT const * index = m_index.Find(tag ? tag : "");
    if (!index)
        return nullptr;
    return *index < m_records.GetCount() ? &m_records[*index] : &m_default;
}

void CUISchema::LoadData(CRuntimeClass const * cls) {
    CRuntimeClass const * metaItem = CMetaItem::AfxStaticClassInfo();
    if (cls == metaItem)
        return;
    // The item base of this library, by its record: the schema sits below the views.
    CRuntimeClass const * uiItem = CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUIItem"));
    // A class that derives from neither item base ends the walk at its root.
    for (CRuntimeClass const * current = cls; current && current != uiItem;) {
        LoadList(current);
        current = current->GetBaseClass();
        if (current == metaItem)
            break;
    }
}

void CUISchema::LoadList(CRuntimeClass const * cls) {
    LCID const locale = GetThreadLocale();
    LocaleRestore restore(locale);
    LoadListPass(cls);
    if (locale != LANG_ID_ENGLISH) {
        SetThreadLocale(LANG_ID_ENGLISH);
        LoadListPass(cls);
    }
}

void CUISchema::LoadListPass(CRuntimeClass const * cls) {
    CString const name = CString(cls->GetClassNameA()) + "UIList";
    CResource const * res = CModule::LoadResource(CEntity(cls->GetModule(), name), RT_RCDATA);
    if (!res || !res->GetData())
        return;
    auto const * text = static_cast<char const *>(res->GetData());
    char const * const end = text + res->GetSize();
    CUIDataOrigin const origin{name, res->GetLanguage()};
    RecordClasses classes(origin);
    CArray<CString> fields;
    while (text < end) {
        auto const * nul = static_cast<char const *>(std::memchr(text, '\0', end - text));
        if (!nul) {
            AfxTrace("Schema list %s ends inside a record; the rest is ignored\n",
                     name.GetString());
            break;
        }
        if (nul == text)
            break;
        CString const line(text, static_cast<UINT>(nul - text));
        text = nul + 1;
        if (!SplitRecord(line, 6, fields))
            classes.Unreadable(line);

        CUIData record;
        record.m_tag = Field(fields, 0);
        record.m_label = Field(fields, 1);
        record.m_labelAlt = Field(fields, 2);
        record.m_class = classes.Find(Field(fields, 3), record.m_tag);
        record.m_format = Field(fields, 4);
        record.m_tip = Field(fields, 5);
        VantorOemStrings(record.m_format);
        VantorOemStrings(record.m_tip);
        if (!record.m_class)
            continue;
        if (record.m_labelAlt.IsEmpty())
            record.m_labelAlt = record.m_label;
        if (m_index.Find(record.m_tag))
            continue;
        AddRecord(std::move(record), CUIDataOrigin(origin));
    }
}

void CUISchema::AddRecord(CUIData && record, CUIDataOrigin && origin) {
    UINT const index = m_records.GetCount();
    m_index.Insert(record.m_tag, index);
    m_records.Append(std::move(record));
    m_origins.Append(std::move(origin));
}

int CUISchema::LoadFromFile(char const * name) {
    if (m_records.GetCount() > 0)
        return 0;
    CModule const * module = VantorUIModule();
    if (!module)
        return 0;
    CString const path =
        CFilename(module->GetFilename()).GetDirectory() + "schema/" + name + ".csv";
    std::FILE * file = std::fopen(path, "r");
    if (!file)
        return 0;

    LCID const locale = GetThreadLocale();
    bool skipping = IsFrench(locale);
    CUIDataOrigin const origin{path, skipping ? locale : 0};
    RecordClasses classes(origin);
    CArray<CString> fields;
    for (;;) {
        char line[256];
        std::memset(line, 0, sizeof line);
        if (!std::fgets(line, sizeof line, file))
            line[0] = '\0';
        if (skipping) {
            if (line[0] == '\0')
                break;
            if (std::strcmp(line, "-FRENCH\n") == 0)
                skipping = false;
            continue;
        }
        if (line[0] == '\0' || line[0] == '-')
            break;
        // The last character is the line end that fgets keeps, or the last character of a
        // line that had none.
        CString const text(line, static_cast<UINT>(std::strlen(line) - 1));
        if (!SplitRecord(text, 0, fields))
            classes.Unreadable(text);

        CUIData record;
        record.m_tag = Field(fields, 0);
        record.m_labelAlt = Field(fields, 1);
        record.m_label = Field(fields, 2);
        record.m_class = classes.Find(Field(fields, 3), record.m_tag);
        record.m_format = Field(fields, 4);
        if (!record.m_class)
            continue;
        if (record.m_label.IsEmpty())
            record.m_label = record.m_labelAlt;
        AddRecord(std::move(record), CUIDataOrigin(origin));
    }
    std::fclose(file);
    return 1;
}
