# Runtime options of the sanitizer build; source it before running a test from build-asan by hand.
# Every report aborts the program, so the test fails whatever exit code the program would give
# (the command-line designer's own exit 1 means a failed check, not a fault).
_qv_san_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_invalid_pointer_pairs=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1:suppressions=$_qv_san_dir/ubsan.supp
export LSAN_OPTIONS=suppressions=$_qv_san_dir/lsan.supp:print_suppressions=0
unset _qv_san_dir
