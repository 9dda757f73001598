#pragma once

#include "CString.hpp"
#include "vantorcore_export.h"

class CItem;

// The accessor of one property. Accessors belong to a class's meta-data, not to an object,
// so every call names the item it reads or writes.
class VANTORCORE_EXPORT IDataAccess {
public:
    virtual ~IDataAccess() = default;

    // The value as text: whole numbers in decimal, item pointers as the item's class name
    // (empty for none).
    virtual CString ReadString(CItem * item) const = 0;
    // The value as a signed 32-bit number: text is read as a decimal number (0 when it is
    // not one), item pointers read as 0.
    virtual LONG ReadInteger(CItem * item) const = 0;
    // Writes the value from text; FALSE, with nothing written, when the text is no value of
    // the property's type (a whole number property given "12x", an item pointer given text).
    virtual BOOL WriteString(CItem * item, char const * text) const = 0;
    // Writes the value from a number; FALSE, with nothing written, for item pointers.
    virtual BOOL WriteInteger(CItem * item, LONG value) const = 0;
    // The address of the property's storage in the item.
    virtual void * GetDataPtr(CItem * item) const = 0;
    // Called after a new value was written on the user's behalf: the item becomes dirty.
    virtual void NotifyWrite(CItem * item) const = 0;

    // The property's name and type code.
    virtual char const * GetName() const = 0;
    virtual UINT GetType() const = 0;
};
