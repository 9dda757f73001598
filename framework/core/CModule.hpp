#pragma once

#include "CObject.hpp"
#include "CResource.hpp"
#include "CString.hpp"

class CEntity;

// The object of one loaded module (a program or shared library): it knows the module's
// file and finds the resources compiled into it. A module's entry point creates it and
// binds it to the module's instance handle with InitLib.
class HALDENCORE_EXPORT CModule : public CObject {
    AFX_DECLARE_CLASS(CModule)
public:
    static constexpr int kindProgram = 1;
    static constexpr int kindLibrary = 2;

    explicit CModule(int kind);
    ~CModule() override;

    // Binds the object to a loaded module. Nonzero on success; 0 when the handle is null,
    // belongs to no loaded module, or already has a module object.
    BOOL InitLib(HINSTANCE instance);
    // Unbinds the object; its module's resources and classes can no longer be reached
    // through it.
    void Terminate();

    int GetKind() const { return m_kind; }
    HINSTANCE GetInstance() const { return m_instance; }
    // The real (absolute, resolved) path of the module's file; empty before InitLib.
    CString GetFilename() const { return m_filename; }

    // The resource of a type named by the entity, in the module the entity names; null when
    // that module holds none. Names compare without regard to case. Among language versions
    // the thread's language wins, then a neutral one, then English (1033), then any.
    static CResource const * LoadResource(CEntity const & entity, UINT type);

    // The module object bound to an instance handle, or null.
    static CModule * FromInstance(HINSTANCE instance);

    // Loads a shared library (a host's module of item classes) and returns the module
    // object that its entry point created. Null, with the reason in `error`, when the
    // library cannot be loaded or has no module object. The library stays loaded.
    static CModule * LoadLibrary(char const * path, CString & error);

private:
    int m_kind;
    HINSTANCE m_instance = nullptr;
    CString m_filename;
};

// Runs a module's entry point on load and unload, as the platform would for a library:
// entry(instance, DLL_PROCESS_ATTACH, nullptr) when the module is loaded and
// entry(instance, DLL_PROCESS_DETACH, nullptr) when it is unloaded. Use once per module.
#define AFX_MODULE_ENTRY_POINT(entry)                                                              \
    __attribute__((constructor)) static void AfxModuleAttach_() {                                  \
        entry(AfxModuleOf(reinterpret_cast<void const *>(&AfxModuleAttach_)), DLL_PROCESS_ATTACH,  \
              nullptr);                                                                            \
    }                                                                                              \
    __attribute__((destructor)) static void AfxModuleDetach_() {                                   \
        entry(AfxModuleOf(reinterpret_cast<void const *>(&AfxModuleAttach_)), DLL_PROCESS_DETACH,  \
              nullptr);                                                                            \
    }

// The entry point most modules want: attach creates a module object of the given kind and
// binds it; detach terminates and frees it. `slot` holds the module's object.
HALDENCORE_EXPORT BOOL AfxStandardModuleEntry(CModule *& slot, int kind, HINSTANCE instance,
                                              DWORD reason);

// Gives a module (a host's library or program) its module object, so that its classes and
// resources can be found. Use once per module, at namespace scope.
#define AFX_DEFINE_MODULE(kind)                                                                    \
    static CModule * afxThisModule_ = nullptr;                                                     \
    static BOOL AfxThisModuleEntry_(HINSTANCE instance, DWORD reason, void *) {                    \
        return AfxStandardModuleEntry(afxThisModule_, kind, instance, reason);                     \
    }                                                                                              \
    AFX_MODULE_ENTRY_POINT(AfxThisModuleEntry_)
