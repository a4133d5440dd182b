// fontconfig keeps a few allocations of its configuration until the process ends; they are not
// ours to free, so the leak checker is told to ignore them in programs that draw text.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
