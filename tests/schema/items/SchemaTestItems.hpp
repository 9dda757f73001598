#pragma once

#include "CMetaItem.hpp"

#define SCHEMA_TEST_EXPORT __attribute__((visibility("default")))

class CModule;

// Item classes of a test library: a two-level chain under CMetaItem with schema lists in
// German and English, a class without lists, and an item outside the CMetaItem family.
class SCHEMA_TEST_EXPORT CSchemaBase : public CMetaItem {
    AFX_DECLARE_CLASS(CSchemaBase)
    AFX_DECLARE_CONSTRUCT(CSchemaBase)
};

class SCHEMA_TEST_EXPORT CSchemaDerived : public CSchemaBase {
    AFX_DECLARE_CLASS(CSchemaDerived)
    AFX_DECLARE_CONSTRUCT(CSchemaDerived)
};

class SCHEMA_TEST_EXPORT CSchemaBare : public CMetaItem {
    AFX_DECLARE_CLASS(CSchemaBare)
    AFX_DECLARE_CONSTRUCT(CSchemaBare)
};

class SCHEMA_TEST_EXPORT CSchemaPlain : public CItem {
    AFX_DECLARE_CLASS(CSchemaPlain)
    AFX_DECLARE_CONSTRUCT(CSchemaPlain)
};

extern "C" SCHEMA_TEST_EXPORT CModule * SchemaTestModule();
