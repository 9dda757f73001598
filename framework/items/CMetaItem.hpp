#pragma once

#include "CException.hpp"
#include "CItem.hpp"
#include "CString.hpp"

#include <cstddef>
#include <type_traits>

// An item whose properties are registered as meta-data of its class. A subclass overrides
// AddMetaData, calls its base's version first and then AddMeta once per property:
//
//     void CDevice::AddMetaData() {
//         CMetaItem::AddMetaData();
//         AddMeta("Voltage", metaInteger, &CDevice::m_voltage);
//         AddMeta("Name", metaString, &CDevice::m_name);
//     }
//
// A class's meta-data is built once, on the first call of Init or GetDataAccess on an
// object of that class, and answers for every object of the class.
class VANTORCORE_EXPORT CMetaItem : public CItem {
    AFX_DECLARE_CLASS(CMetaItem)
    AFX_DECLARE_CONSTRUCT(CMetaItem)
public:
    // Type codes of AddMeta, each with the member type it takes.
    static constexpr UINT metaInteger = 1;  // LONG or int: a signed 32-bit number
    static constexpr UINT metaUnsigned = 2; // DWORD or unsigned: an unsigned 32-bit number
    static constexpr UINT metaString = 3;   // CString
    static constexpr UINT metaItem = 4;     // a pointer to an item (CItem or a subclass)

    CMetaItem() = default;

    // Builds the class's meta-data when it has none yet.
    void Init();
    IDataAccess * GetDataAccess(char const * tag) override;

    // The properties in the order they were registered.
    UINT GetMetaCount();
    IDataAccess * GetMetaAt(UINT index);

protected:
    virtual void AddMetaData() {}

    // Registers a property. The type code must match the member's type; a mismatch, or a
    // name registered twice, throws CException, since either is a programming error that
    // would otherwise read memory as the wrong type.
    template <class C, class T>
    void AddMeta(char const * name, UINT type, T C::*member) {
        static_assert(std::is_base_of_v<CMetaItem, C>, "AddMeta takes members of items");
        if (type != TypeCodeOf<T>())
            throw CException(CString("Meta-data type code does not fit the member of ") + name);
        C * self = static_cast<C *>(this);
        auto const offset = reinterpret_cast<std::byte const *>(&(self->*member)) -
                            reinterpret_cast<std::byte const *>(static_cast<CItem *>(self));
        AddMetaAt(name, type, static_cast<std::size_t>(offset));
    }

private:
    template <class T>
    static constexpr UINT TypeCodeOf() {
        if constexpr (std::is_same_v<T, LONG>)
            return metaInteger;
        else if constexpr (std::is_same_v<T, DWORD>)
            return metaUnsigned;
        else if constexpr (std::is_same_v<T, CString>)
            return metaString;
        else if constexpr (std::is_pointer_v<T> &&
                           std::is_base_of_v<CItem, std::remove_pointer_t<T>>)
            return metaItem;
        else
            static_assert(sizeof(T) == 0, "no meta-data type for this member");
    }

    void AddMetaAt(char const * name, UINT type, std::size_t offset);
};
