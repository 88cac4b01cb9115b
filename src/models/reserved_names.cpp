// The table holds the names the C library headers declare with every feature
// set enabled, each function family once under its double name; the rules
// below cover the float, long double and other width variants of a family
// (sinf, sinl, sinf64x, lgamma_r, ...), the narrowing functions (f32addf64,
// dmull, ...) and the prefixes the C standard keeps for the library's future
// use, so names a newer library adds along those lines are refused as well.
#include "models/reserved_names.h"

#include <algorithm>
#include <iterator>

namespace {

// C keywords up to C23 and the GNU ones without underscores; names beginning
// with an underscore and a capital letter are refused by rule.
constexpr std::string_view kKeywords[] = {
    "alignas", "alignof", "asm", "auto", "bool", "break", "case", "char", "const", "constexpr",
    "continue", "default", "do", "double", "else", "enum", "extern", "false", "float", "for",
    "goto", "if", "inline", "int", "long", "nullptr", "register", "restrict", "return", "short",
    "signed", "sizeof", "static", "static_assert", "struct", "switch", "thread_local", "true",
    "typedef", "typeof", "typeof_unqual", "union", "unsigned", "void", "volatile", "while",
};

// Declared or defined by <math.h>, <stdlib.h> or <stdio.h>.
constexpr std::string_view kLibraryNames[] = {
    "BIG_ENDIAN", "BUFSIZ", "BYTE_ORDER", "EOF", "EXIT_FAILURE", "EXIT_SUCCESS", "FD_CLR",
    "FD_ISSET", "FD_SET", "FD_SETSIZE", "FD_ZERO", "FILE", "FILENAME_MAX", "FOPEN_MAX",
    "INFINITY", "LITTLE_ENDIAN", "L_ctermid", "L_cuserid", "L_tmpnam", "MATH_ERREXCEPT",
    "MATH_ERRNO", "MAXFLOAT", "MB_CUR_MAX", "NAN", "NFDBITS", "NULL", "PDP_ENDIAN", "P_tmpdir",
    "RAND_MAX", "RENAME_EXCHANGE", "RENAME_NOREPLACE", "RENAME_WHITEOUT", "SEEK_CUR",
    "SEEK_DATA", "SEEK_END", "SEEK_HOLE", "SEEK_SET", "TMP_MAX", "WCONTINUED", "WEXITED",
    "WEXITSTATUS", "WIFCONTINUED", "WIFEXITED", "WIFSIGNALED", "WIFSTOPPED", "WNOHANG",
    "WNOWAIT", "WSTOPPED", "WSTOPSIG", "WTERMSIG", "WUNTRACED", "a64l", "abort", "abs", "acos",
    "acosh", "aligned_alloc", "alloca", "arc4random", "arc4random_buf", "arc4random_uniform",
    "asin", "asinh", "asprintf", "at_quick_exit", "atan", "atan2", "atanh", "atexit", "atof",
    "atoi", "atol", "be16toh", "be32toh", "be64toh", "blkcnt64_t", "blkcnt_t", "blksize_t",
    "bsearch", "caddr_t", "calloc", "canonicalize", "canonicalize_file_name", "cbrt", "ceil",
    "clearenv", "clearerr", "clearerr_unlocked", "clock_t", "clockid_t", "comparison_fn_t",
    "cookie_close_function_t", "cookie_io_functions_t", "cookie_read_function_t",
    "cookie_seek_function_t", "cookie_write_function_t", "copysign", "cos", "cosh", "ctermid",
    "cuserid", "daddr_t", "dev_t", "div", "div_t", "double_t", "dprintf", "drand48",
    "drand48_data", "drem", "ecvt", "erand48", "erf", "erfc", "exit", "exp", "exp10", "exp2",
    "expm1", "fabs", "fclose", "fcloseall", "fcvt", "fd_mask", "fd_set", "fdim", "fdopen",
    "feof", "feof_unlocked", "ferror", "ferror_unlocked", "fflush", "fflush_unlocked", "fgetc",
    "fgetc_unlocked", "fgetpos", "fgetpos64", "fgets", "fgets_unlocked", "fileno",
    "fileno_unlocked", "finite", "float_t", "flockfile", "floor", "fma", "fmax", "fmaximum",
    "fmaximum_mag", "fmaximum_mag_num", "fmaximum_num", "fmaxmag", "fmemopen", "fmin",
    "fminimum", "fminimum_mag", "fminimum_mag_num", "fminimum_num", "fminmag", "fmod", "fopen",
    "fopen64", "fopencookie", "fpclassify", "fpos64_t", "fpos_t", "fprintf", "fputc",
    "fputc_unlocked", "fputs", "fputs_unlocked", "fread", "fread_unlocked", "free", "freopen",
    "freopen64", "frexp", "fromfp", "fromfpx", "fsblkcnt64_t", "fsblkcnt_t", "fscanf", "fseek",
    "fseeko", "fseeko64", "fsetpos", "fsetpos64", "fsfilcnt64_t", "fsfilcnt_t", "fsid_t",
    "ftell", "ftello", "ftello64", "ftrylockfile", "funlockfile", "fwrite", "fwrite_unlocked",
    "gamma", "gcvt", "getc", "getc_unlocked", "getchar", "getchar_unlocked", "getdelim",
    "getenv", "getline", "getloadavg", "getpayload", "getpt", "getsubopt", "getw", "gid_t",
    "grantpt", "htobe16", "htobe32", "htobe64", "htole16", "htole32", "htole64", "hypot",
    "id_t", "ilogb", "initstate", "ino64_t", "ino_t", "int16_t", "int32_t", "int64_t", "int8_t",
    "iscanonical", "iseqsig", "isfinite", "isgreater", "isgreaterequal", "isinf", "isless",
    "islessequal", "islessgreater", "isnan", "isnormal", "issignaling", "issubnormal",
    "isunordered", "iszero", "j0", "j1", "jn", "jrand48", "key_t", "l64a", "labs", "lcong48",
    "ldexp", "ldiv", "ldiv_t", "le16toh", "le32toh", "le64toh", "lgamma", "linux", "llabs",
    "lldiv", "lldiv_t", "llogb", "llrint", "llround", "locale_t", "loff_t", "log", "log10",
    "log1p", "log2", "logb", "lrand48", "lrint", "lround", "malloc", "math_errhandling",
    "mblen", "mbstowcs", "mbtowc", "mkdtemp", "mkostemp", "mkostemp64", "mkostemps",
    "mkostemps64", "mkstemp", "mkstemp64", "mkstemps", "mkstemps64", "mktemp", "mode_t", "modf",
    "mrand48", "nan", "nearbyint", "nextafter", "nextdown", "nexttoward", "nextup", "nlink_t",
    "nrand48", "obstack", "obstack_printf", "obstack_vprintf", "off64_t", "off_t", "on_exit",
    "open_memstream", "pclose", "perror", "pid_t", "popen", "posix_memalign", "posix_openpt",
    "pow", "printf", "pselect", "pthread_attr_t", "pthread_barrier_t", "pthread_barrierattr_t",
    "pthread_cond_t", "pthread_condattr_t", "pthread_key_t", "pthread_mutex_t",
    "pthread_mutexattr_t", "pthread_once_t", "pthread_rwlock_t", "pthread_rwlockattr_t",
    "pthread_spinlock_t", "pthread_t", "ptsname", "putc", "putc_unlocked", "putchar",
    "putchar_unlocked", "putenv", "puts", "putw", "qecvt", "qfcvt", "qgcvt", "qsort", "quad_t",
    "quick_exit", "rand", "random", "random_data", "realloc", "reallocarray", "realpath",
    "register_t", "remainder", "remove", "remquo", "rename", "renameat", "renameat2", "rewind",
    "rint", "round", "roundeven", "rpmatch", "scalb", "scalbln", "scalbn", "scanf",
    "secure_getenv", "seed48", "select", "setbuf", "setbuffer", "setenv", "setlinebuf",
    "setpayload", "setpayloadsig", "setstate", "setvbuf", "signbit", "signgam", "significand",
    "sigset_t", "sin", "sincos", "sinh", "size_t", "snprintf", "sprintf", "sqrt", "srand",
    "srand48", "srandom", "sscanf", "ssize_t", "stderr", "stdin", "stdout", "suseconds_t",
    "system", "tan", "tanh", "tempnam", "tgamma", "time_t", "timer_t", "timespec", "timeval",
    "tmpfile", "tmpfile64", "tmpnam", "totalorder", "totalordermag", "trunc", "u_char", "u_int",
    "u_int16_t", "u_int32_t", "u_int64_t", "u_int8_t", "u_long", "u_quad_t", "u_short",
    "ufromfp", "ufromfpx", "uid_t", "uint", "ulong", "ungetc", "unix", "unlockpt", "unsetenv",
    "useconds_t", "ushort", "va_list", "valloc", "vasprintf", "vdprintf", "vfprintf", "vfscanf",
    "vprintf", "vscanf", "vsnprintf", "vsprintf", "vsscanf", "wchar_t", "wctomb", "y0", "y1",
    "yn",
};

// The program's entry name, the list head's function, the compatibility
// header's words, the linker's symbols of a shared library, and the names the
// system compiler predefines as macros.
constexpr std::string_view kToolNames[] = {
    "main", "dllmain", "WINAPI", "ATTRAVA_COMPAT_WINDOWS_H", "_init", "_fini", "_end", "_edata",
    "_etext", "end", "edata", "etext", "i386",
};

// Width suffixes of the math function families, longest first.
constexpr std::string_view kWidthSuffixes[] = {"f128x", "f32x", "f64x", "f128", "d128", "f16",
                                               "f32",   "f64",  "d32",  "d64",  "f",    "l"};
constexpr std::string_view kNarrowingPrefixes[] = {"f128x", "f32x", "f64x", "f128", "f16",
                                                   "f32",   "f64",  "f",    "d"};
constexpr std::string_view kNarrowingOperations[] = {"add", "sub", "mul", "div", "fma", "sqrt"};
// Macro families of <math.h>; and "str"/"wcs" followed by a lower-case letter
// are kept for <stdlib.h>, "cr_" for correctly rounded math functions.
constexpr std::string_view kReservedPrefixes[] = {"M_", "FP_", "HUGE_VAL", "SNAN", "cr_"};

template <typename Table>
bool contains(const Table& table, std::string_view name)
{
    return std::find(std::begin(table), std::end(table), name) != std::end(table);
}

bool isLower(char c) { return c >= 'a' && c <= 'z'; }

bool isTableName(std::string_view name)
{
    return contains(kKeywords, name) || contains(kLibraryNames, name) ||
           contains(kToolNames, name);
}

// A library function followed by a width suffix, optionally with the "_r"
// (reentrant) or "_l" (locale) ending: sinf, lgammaf64_r, strtod_l.
bool isFamilyVariant(std::string_view name)
{
    for (std::string_view ending : {std::string_view(), std::string_view("_r"), std::string_view("_l")}) {
        if (!name.ends_with(ending))
            continue;
        std::string_view stem = name.substr(0, name.size() - ending.size());
        if (!ending.empty() && contains(kLibraryNames, stem))
            return true;
        for (std::string_view suffix : kWidthSuffixes) {
            if (stem.size() > suffix.size() && stem.ends_with(suffix) &&
                contains(kLibraryNames, stem.substr(0, stem.size() - suffix.size())))
                return true;
        }
    }
    return false;
}

// Narrowing operations: a result width, an operation and an argument width,
// such as fadd, dsqrtl or f32mulf64x.
bool isNarrowingFunction(std::string_view name)
{
    for (std::string_view prefix : kNarrowingPrefixes) {
        if (!name.starts_with(prefix))
            continue;
        const std::string_view rest = name.substr(prefix.size());
        for (std::string_view operation : kNarrowingOperations) {
            if (!rest.starts_with(operation))
                continue;
            const std::string_view suffix = rest.substr(operation.size());
            if (suffix.empty() || contains(kWidthSuffixes, suffix))
                return true;
        }
    }
    return false;
}

bool hasReservedPrefix(std::string_view name)
{
    if (name.starts_with("__") || (name.size() > 1 && name[0] == '_' && name[1] >= 'A' && name[1] <= 'Z'))
        return true;
    if ((name.starts_with("str") || name.starts_with("wcs")) && name.size() > 3 && isLower(name[3]))
        return true;
    return std::any_of(std::begin(kReservedPrefixes), std::end(kReservedPrefixes),
                       [&](std::string_view prefix) { return name.starts_with(prefix); });
}

}  // namespace

bool isReservedName(std::string_view name)
{
    return isTableName(name) || hasReservedPrefix(name) || isFamilyVariant(name) ||
           isNarrowingFunction(name);
}
