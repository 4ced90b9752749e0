// qpfwrite: writes a query plan file for trying out or testing the viewer.
//   qpfwrite --demo <file>
//   qpfwrite [options] <file>
//     --plans N          number of plan records (default 5)
//     --seed N           first seed of the generated statements and plans
//     --big              big-endian file (byte-order indicator 0)
//     --version N        format version in the header (default 3101)
//     --wrong-magic K    record K (0-based) gets a wrong magic
//     --cut-last header|statement|plan   cut the last record short
//     --no-nul           statements without a terminating NUL
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "qpf_writer.h"

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: qpfwrite --demo <file>\n"
                 "       qpfwrite [--plans N] [--seed N] [--big] [--version N] [--wrong-magic K]\n"
                 "                [--cut-last header|statement|plan] [--no-nul] <file>\n");
    return 2;
}

bool number(const char* text, unsigned long max, unsigned long* out)
{
    char* end = nullptr;
    const unsigned long v = std::strtoul(text, &end, 10);
    if (!*text || *end || v > max) return false;
    *out = v;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qpfw::FileOptions opts;
    bool demo = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        unsigned long v = 0;
        if (a == "--demo") {
            demo = true;
        } else if (a == "--big") {
            opts.order = qpfw::ByteOrder::Big;
        } else if (a == "--no-nul") {
            opts.statementNul = false;
        } else if (a == "--plans" && hasValue && number(argv[++i], 1000000, &v)) {
            opts.plans = static_cast<uint32_t>(v);
        } else if (a == "--seed" && hasValue && number(argv[++i], 0xFFFFFFFFul, &v)) {
            opts.seed = static_cast<uint32_t>(v);
        } else if (a == "--version" && hasValue && number(argv[++i], 65535, &v)) {
            opts.version = static_cast<uint16_t>(v);
        } else if (a == "--wrong-magic" && hasValue && number(argv[++i], 1000000, &v)) {
            opts.wrongMagicAt = static_cast<int32_t>(v);
        } else if (a == "--cut-last" && hasValue) {
            const std::string how = argv[++i];
            if (how == "header") opts.cutLast = qpfw::FileOptions::Cut::Header;
            else if (how == "statement") opts.cutLast = qpfw::FileOptions::Cut::Statement;
            else if (how == "plan") opts.cutLast = qpfw::FileOptions::Cut::Plan;
            else return usage();
        } else if (!a.empty() && a[0] != '-' && !path) {
            path = argv[i];
        } else {
            return usage();
        }
    }
    if (!path) return usage();
    const qpfw::Bytes bytes = demo ? qpfw::demoFile() : qpfw::buildFile(opts);
    if (!qpfw::writeFile(path, bytes)) {
        std::fprintf(stderr, "qpfwrite: cannot write %s\n", path);
        return 1;
    }
    std::printf("%s: %zu bytes\n", path, bytes.size());
    return 0;
}
