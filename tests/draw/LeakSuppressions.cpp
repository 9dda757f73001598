// Fontconfig loses a few bytes of its configuration once per process, in a thread of
// Pango's, when the Cairo device first loads fonts; that memory is not the program's to
// free, so the leak checker of sanitizer builds is told to pass over it.
extern "C" __attribute__((visibility("default"))) char const * __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
