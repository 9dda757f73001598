// The main program: loads the example device library, prints the UI schema of each of its
// item classes (from their schema lists and from the example CSV schema file), then shows
// the example device in a window on the desktop until the window is closed and prints what
// the item stored. Headless (asked for, or without a desktop) it builds the device's views
// and writes each page to a PNG file instead: its own view, the same view after its
// "Details" and "Lock" buttons were clicked, and each tab of a tabbed view (the identity,
// the ratings and the further settings).

#include "AfxLocale.hpp"
#include "AfxTrace.hpp"
#include "CAutomation.hpp"
#include "CCairoDevice.hpp"
#include "CDemoFrame.hpp"
#include "CEntity.hpp"
#include "CFilename.hpp"
#include "CMetaItem.hpp"
#include "CModule.hpp"
#include "CSDLDisplay.hpp"
#include "CThread.hpp"
#include "CUIItem.hpp"
#include "CUIItemMultiWnd.hpp"
#include "CUISchema.hpp"
#include "CUIViewWnd.hpp"
#include "IDataAccess.hpp"
#include "VantorUIModule.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace {

void PrintSchema(CUISchema const & schema, CTraceCapture const & trace) {
    for (UINT i = 0; i < schema.GetCount(); ++i) {
        CUIData const & record = schema.GetAt(i);
        CUIDataOrigin const & origin = schema.GetOriginAt(i);
        std::printf("  %-10s label \"%s\", alternate \"%s\", class %s, format \"%s\", tip \"%s\"\n"
                    "  %-10s from %s, language %u\n",
                    record.m_tag.GetString(), record.m_label.GetString(),
                    record.m_labelAlt.GetString(), record.m_class->GetClassNameA(),
                    record.m_format.GetString(), record.m_tip.GetString(), "",
                    origin.m_source.GetString(), origin.m_language);
    }
    if (schema.GetCount() == 0)
        std::printf("  (no records)\n");
    for (CString const & line : trace.GetLines())
        std::printf("  note: %s", line.GetString());
}

int PrintModule(CModule const * module) {
    CArray<CRuntimeClass const *> classes;
    CRuntimeClass::GetClasses(module, classes);
    int items = 0;
    for (CRuntimeClass const * cls : classes) {
        std::unique_ptr<CObject> object(cls->NewObject(CMetaItem::AfxStaticClassInfo()));
        if (!object)
            continue;
        ++items;
        std::printf("Class %s, thread language %u\n", cls->GetClassNameA(), GetThreadLocale());
        CTraceCapture trace;
        CUISchema schema(static_cast<CItem *>(object.get()));
        PrintSchema(schema, trace);
    }
    return items;
}

void PrintFile(char const * name) {
    CMetaItem blank;
    CTraceCapture trace;
    CUISchema schema(&blank);
    std::printf("Schema file %s.csv, thread language %u\n", name, GetThreadLocale());
    if (!schema.LoadFromFile(name)) {
        std::printf("  (cannot be read)\n");
        return;
    }
    PrintSchema(schema, trace);
}

// The smallest frame that holds a view, from the limits the view answers.
CSize MinimumOf(CWnd & view) {
    MINMAXINFO info{};
    view.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return CSize(std::max<LONG>(info.ptMinTrackSize.x, 320), info.ptMinTrackSize.y);
}

class CPageWriter {
public:
    explicit CPageWriter(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    bool Write(CWnd & frame, char const * name) {
        std::string const path = (m_folder / name).string();
        if (!frame.WriteImage(path.c_str())) {
            std::fprintf(stderr, "Cannot write %s\n", path.c_str());
            return false;
        }
        std::printf("  %s\n", path.c_str());
        return true;
    }

private:
    std::filesystem::path m_folder;
};

// Shows a view of the item in a frame sized to it; the view belongs to its window.
bool ShowView(CWnd & frame, CViewWnd * view, CItem & item) {
    if (!frame.Create(nullptr, "Example device", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 480),
                      nullptr, 0))
        return false;
    view->Attach(&item);
    if (!view->Create(&frame, CRect(0, 0, 640, 480), 1))
        return false;
    CAutomation::Pump();
    CSize const size = MinimumOf(*view);
    frame.MoveWindow(CRect(CPoint(0, 0), size));
    view->MoveWindow(CRect(CPoint(0, 0), size));
    CAutomation::Pump();
    return true;
}

int WritePages(CModule const * module, std::filesystem::path const & folder) {
    CRuntimeClass const * cls = CRuntimeClass::FindClass(CEntity(module, "CExampleDevice"));
    std::unique_ptr<CObject> object(cls ? cls->NewObject(CUIItem::AfxStaticClassInfo()) : nullptr);
    if (!object) {
        std::fprintf(stderr, "The example device library has no CExampleDevice.\n");
        return 1;
    }
    auto & device = static_cast<CUIItem &>(*object);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    CPageWriter writer(folder);
    std::printf("Pages of CExampleDevice, written to PNG files:\n");

    CCairoDevice screen;
    CDevice::SetScreen(&screen);
    CAutomation::Start();
    bool ok = true;
    {
        CWnd frame;
        auto * view = static_cast<CUIViewWnd *>(device.CreateItemView());
        ok = ShowView(frame, view, device) && writer.Write(frame, "device.png");
        // The buttons take the road a user's click takes; the item answers in OnUIChange.
        ok = ok && CAutomation::ClickItem(view, 0x7F01) && CAutomation::ClickItem(view, 0x7F02);
        CAutomation::Pump();
        ok = ok && writer.Write(frame, "device-details-hidden.png");
        frame.DestroyWindow();
    }
    {
        CWnd frame;
        auto * tabs = new CUIItemMultiWnd("Identity,Ratings,Settings");
        ok = ok && ShowView(frame, tabs, device);
        for (UINT i = 0; ok && i < tabs->GetViewCount(); ++i) {
            tabs->SetActiveView(i);
            CAutomation::Pump();
            ok = writer.Write(frame, ("device-tab" + std::to_string(i + 1) + ".png").c_str());
        }
        frame.DestroyWindow();
    }
    CAutomation::Stop();
    CDevice::SetScreen(nullptr);
    return ok ? 0 : 1;
}

// Shows the example device in a window and runs the message loop until the window is
// closed; then prints every property the item stored, one "tag=value" line each, in the
// order the item registered them.
int ShowDevice(CModule const * module) {
    CRuntimeClass const * cls = CRuntimeClass::FindClass(CEntity(module, "CExampleDevice"));
    std::unique_ptr<CObject> object(cls ? cls->NewObject(CUIItem::AfxStaticClassInfo()) : nullptr);
    if (!object) {
        std::fprintf(stderr, "The example device library has no CExampleDevice.\n");
        return 1;
    }
    auto & device = static_cast<CUIItem &>(*object);
    {
        CDemoFrame frame;
        if (!frame.Create("Example device", device, device.CreateItemView())) {
            std::fprintf(stderr, "The example device's window could not be made.\n");
            return 1;
        }
        std::printf("Showing CExampleDevice; close the window to end.\n");
        std::fflush(stdout);
        if (!CThread::FindInstance()->Run())
            return 1;
    }
    std::printf("Stored values of CExampleDevice:\n");
    for (UINT i = 0; i < device.GetMetaCount(); ++i) {
        IDataAccess const * access = device.GetMetaAt(i);
        std::printf("%s=%s\n", access->GetName(), access->ReadString(&device).GetString());
    }
    return 0;
}

} // namespace

int main(int argc, char ** argv) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "vantorui-pages";
    bool headless = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--headless") == 0) {
            headless = true;
        } else if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
            SetThreadLocale(AfxLocaleFromName(argv[++i]));
        } else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            folder = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--headless] [--lang de|en|es|fr|it] [--out folder]\n",
                         argv[0]);
            return 2;
        }
    }
    CModule const * engine = VantorUIModule();
    if (!engine) {
        std::fprintf(stderr, "The engine library did not start.\n");
        return 1;
    }
    CString const library = CFilename(engine->GetFilename()).GetDirectory() + "libvantorexample.so";
    CString error;
    CModule const * device = CModule::LoadLibrary(library, error);
    if (!device) {
        std::fprintf(stderr, "Cannot load the example device: %s\n", error.GetString());
        return 1;
    }
    if (PrintModule(device) == 0) {
        std::fprintf(stderr, "The example device library has no item classes.\n");
        return 1;
    }
    PrintFile("ExampleDevice");
    std::fflush(stdout);
    if (!headless) {
        CSDLDisplay display;
        CString reason;
        if (display.Open(reason))
            return ShowDevice(device);
        std::fprintf(stderr,
                     "No desktop to show the device on (%s); writing its pages as PNG "
                     "files instead.\n",
                     reason.GetString());
    }
    return WritePages(device, folder);
}
