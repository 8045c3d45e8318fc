// Preloaded into every process of the sanitizer runs of the tests (LD_PRELOAD): a
// library that is closed while the process runs stays loaded all the same, so that
// LeakSanitizer, which reports at exit, can still name the library a leak comes from
// and its suppressions by name apply. On Wayland the toolkit's EGL client closes the
// graphics driver (Mesa's DRI driver and the libraries that only it uses) before the
// program ends; a block that the driver keeps for good was then reported as coming
// from an unknown module, which no suppression can match.
extern "C" int dlclose(void*)
{
    return 0;
}
