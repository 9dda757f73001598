// vantorui-preview: shows one page of an item class as the engine builds it, for authors of
// item classes. It loads a module (a shared library with item classes and their
// resources), makes a default-constructed item of a class, builds the class's page in a view
// and shows it in a window, or writes it to a PNG file. Problems of the schema and of the
// page script are reported on standard error with the trace lines, and the exit status is
// then 1.

#include "AfxLocale.hpp"
#include "AfxTrace.hpp"
#include "CAutomation.hpp"
#include "CCairoDevice.hpp"
#include "CEntity.hpp"
#include "CModule.hpp"
#include "CPreviewFrame.hpp"
#include "CSDLDisplay.hpp"
#include "CThread.hpp"
#include "CUIElement.hpp"
#include "CUIItem.hpp"
#include "CUIItemViewWnd.hpp"
#include "VantorUIModule.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

struct Options {
    char const * module = nullptr;
    char const * className = nullptr;
    unsigned page = 0;
    char const * out = nullptr;
    CSize size;
};

int Usage(char const * program, FILE * to = stderr) {
    std::fprintf(to,
                 "usage: %s --module <library.so> --class <name> [--page N] "
                 "[--lang de|en|es|fr|it] [--size WxH] [--out file.png]\n",
                 program);
    return to == stderr ? 2 : 0;
}

bool ParseNumber(char const * text, unsigned & value) {
    char * end = nullptr;
    unsigned long const number = std::strtoul(text, &end, 10);
    if (end == text || *end || number > 100000)
        return false;
    value = static_cast<unsigned>(number);
    return true;
}

bool ParseSize(char const * text, CSize & size) {
    std::string const s = text;
    std::size_t const x = s.find('x');
    unsigned cx = 0;
    unsigned cy = 0;
    if (x == std::string::npos || !ParseNumber(s.substr(0, x).c_str(), cx) ||
        !ParseNumber(s.substr(x + 1).c_str(), cy) || cx == 0 || cy == 0)
        return false;
    size = CSize(static_cast<LONG>(cx), static_cast<LONG>(cy));
    return true;
}

// The tag a trace line names after `prefix`, up to the next blank or line end; empty when the
// line does not start with the prefix.
std::string TagAfter(std::string const & line, char const * prefix) {
    std::size_t const length = std::strlen(prefix);
    if (line.compare(0, length, prefix) != 0)
        return std::string();
    std::size_t const end = line.find_first_of(" \n", length);
    return line.substr(length, end == std::string::npos ? std::string::npos : end - length);
}

// Prints the trace lines of building; true when there were none. The engine traces only what
// went wrong (schema records it dropped, tags it could not find, script lines it could not
// run, pages it could not load), so every line is a problem. A schema list is read whole,
// and again for every class change on the page, so a dropped record is reported only when
// the page asked for its tag (found or not), and every line only once.
bool Report(CTraceCapture const & trace, CUIViewWnd const * view, Options const & options) {
    std::set<std::string> used;
    for (UINT i = 0; view && i < view->GetElementCount(); ++i)
        used.insert(view->GetElementAt(i)->GetTag().Str());
    for (CString const & line : trace.GetLines()) {
        std::string const tag = TagAfter(line.Str(), "ERROR: Could not find tag ");
        if (!tag.empty())
            used.insert(tag);
    }
    std::vector<std::string> problems;
    std::set<std::string> seen;
    for (CString const & line : trace.GetLines()) {
        std::string const dropped = TagAfter(line.Str(), "Schema record ");
        if (!dropped.empty() && !used.count(dropped))
            continue;
        if (seen.insert(line.Str()).second)
            problems.push_back(line.Str());
    }
    if (problems.empty())
        return true;
    std::fprintf(stderr, "Page %u of class %s has problems:\n", options.page, options.className);
    for (std::string const & line : problems)
        std::fprintf(stderr, "  %s", line.c_str());
    return false;
}

// The smallest size the view's page fits in.
CSize MinimumOf(CWnd & frame) {
    MINMAXINFO info{};
    frame.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return CSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y);
}

// Sizes the frame as asked, or to the page's minimum; false when asked for less than that.
bool SizeFrame(CWnd & frame, Options const & options) {
    CSize const minimum = MinimumOf(frame);
    // A page that could not be built may have no size at all; its frame keeps one to be seen.
    CSize size = options.size;
    if (size.cx <= 0)
        size = minimum.cx > 0 && minimum.cy > 0 ? minimum : CSize(320, 240);
    frame.MoveWindow(CRect(CPoint(0, 0), size));
    if (size.cx >= minimum.cx && size.cy >= minimum.cy)
        return true;
    std::fprintf(stderr,
                 "The window size %ldx%ld is smaller than the page's minimum %ldx%ld; the view "
                 "shows that it is too small instead of the page.\n",
                 static_cast<long>(size.cx), static_cast<long>(size.cy),
                 static_cast<long>(minimum.cx), static_cast<long>(minimum.cy));
    return false;
}

CUIItemViewWnd * NewView(CUIItem & item, Options const & options) {
    auto * view = new CUIItemViewWnd(options.page);
    view->Attach(&item);
    return view;
}

int WritePicture(CUIItem & item, Options const & options) {
    CCairoDevice screen;
    CDevice::SetScreen(&screen);
    CAutomation::Start();
    bool ok = true;
    {
        CTraceCapture trace;
        CPreviewFrame frame;
        CUIItemViewWnd * view = NewView(item, options);
        if (!frame.Create(options.className, CSize(640, 480), view)) {
            std::fprintf(stderr, "The view's window could not be made.\n");
            view = nullptr;
            ok = false;
        } else {
            CAutomation::Pump();
            ok = SizeFrame(frame, options);
            frame.ShowWindow(SW_SHOW);
            CAutomation::Pump();
            if (!frame.WriteImage(options.out)) {
                std::fprintf(stderr, "Cannot write %s\n", options.out);
                ok = false;
            }
        }
        ok = Report(trace, view, options) && ok;
        frame.DestroyWindow();
    }
    CAutomation::Stop();
    CDevice::SetScreen(nullptr);
    return ok ? 0 : 1;
}

int ShowWindow(CUIItem & item, Options const & options) {
    CSDLDisplay display;
    CString reason;
    if (!display.Open(reason)) {
        std::fprintf(stderr,
                     "No desktop to show the page on (%s); write it to a file with "
                     "--out file.png instead.\n",
                     reason.GetString());
        return 1;
    }
    CPreviewFrame frame;
    bool clean = true;
    {
        CTraceCapture trace;
        std::string const title =
            std::string(options.className) + " - page " + std::to_string(options.page);
        CUIItemViewWnd * view = NewView(item, options);
        if (!frame.Create(title.c_str(), CSize(640, 480), view)) {
            std::fprintf(stderr, "The view's window could not be made.\n");
            return 1;
        }
        CAutomation::Pump();
        clean = SizeFrame(frame, options);
        clean = Report(trace, view, options) && clean;
    }
    frame.ShowWindow(SW_SHOW);
    return CThread::FindInstance()->Run() && clean ? 0 : 1;
}

} // namespace

int main(int argc, char ** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        char const * arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0)
            return Usage(argv[0], stdout);
        char const * value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!value)
            return Usage(argv[0]);
        ++i;
        if (std::strcmp(arg, "--module") == 0) {
            options.module = value;
        } else if (std::strcmp(arg, "--class") == 0) {
            options.className = value;
        } else if (std::strcmp(arg, "--page") == 0) {
            if (!ParseNumber(value, options.page))
                return Usage(argv[0]);
        } else if (std::strcmp(arg, "--lang") == 0) {
            SetThreadLocale(AfxLocaleFromName(value));
        } else if (std::strcmp(arg, "--size") == 0) {
            if (!ParseSize(value, options.size))
                return Usage(argv[0]);
        } else if (std::strcmp(arg, "--out") == 0) {
            options.out = value;
        } else {
            return Usage(argv[0]);
        }
    }
    if (!options.module || !options.className)
        return Usage(argv[0]);
    if (!VantorUIModule()) {
        std::fprintf(stderr, "The engine library did not start.\n");
        return 1;
    }
    CString error;
    CModule const * module = CModule::LoadLibrary(options.module, error);
    if (!module) {
        std::fprintf(stderr, "Cannot load the module %s: %s\n", options.module, error.GetString());
        return 1;
    }
    CRuntimeClass const * cls = CRuntimeClass::FindClass(CEntity(module, options.className));
    if (!cls) {
        std::fprintf(stderr, "The module %s registers no class %s.\n", options.module,
                     options.className);
        return 1;
    }
    std::unique_ptr<CObject> object(cls->NewObject(CUIItem::AfxStaticClassInfo()));
    if (!object) {
        std::fprintf(stderr, "The class %s is not a CUIItem that can be made.\n",
                     options.className);
        return 1;
    }
    // A class registered with a base's construct function makes an object of that base,
    // which must not be used as the class itself.
    if (object->AfxObjectClassInfo() != cls || !object->IsKindOf(CUIItem::AfxStaticClassInfo())) {
        std::fprintf(stderr,
                     "The class %s cannot be made by name: its construct function makes a %s.\n",
                     options.className, object->AfxObjectClassInfo()->GetClassNameA());
        return 1;
    }
    auto & item = static_cast<CUIItem &>(*object);
    return options.out ? WritePicture(item, options) : ShowWindow(item, options);
}
