/* Exits 0 when this machine can execute 32-bit x86 code: it far-returns into
 * the user 32-bit code segment, runs two instructions there and comes back.
 * Kernels that have 32-bit emulation switched off make that segment unusable,
 * and the far return faults (the probe then dies with SIGSEGV). */
#include <stdint.h>
#include <string.h>
#include <sys/mman.h>

// Referenced only from the assembly below: kept global and marked used.
__attribute__((used)) uint64_t saved_rsp;

int main(void)
{
    unsigned char *low = mmap((void *)0x100000, 8192, PROT_READ | PROT_WRITE | PROT_EXEC,
                              MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (low == MAP_FAILED)
        return 2;
    static const unsigned char code[] = {0xB8, 42, 0, 0, 0, /* mov eax, 42 */
                                         0xCB};             /* retf */
    memcpy(low, code, sizeof code);
    uint64_t stack = (uint64_t)low + 8000, result;
    __asm__ volatile("mov %%rsp, saved_rsp(%%rip)\n"
                     "mov %2, %%rsp\n"
                     "lea 1f(%%rip), %%rax\n"
                     "sub $8, %%rsp\n"
                     "movl %%eax, (%%rsp)\n"
                     "movl $0x33, 4(%%rsp)\n"
                     "pushq $0x23\n"
                     "pushq %1\n"
                     "lretq\n"
                     "1:\n"
                     "mov saved_rsp(%%rip), %%rsp\n"
                     "mov %%rax, %0\n"
                     : "=r"(result)
                     : "r"((uint64_t)low), "r"(stack)
                     : "rax", "memory");
    return (uint32_t)result == 42 ? 0 : 1;
}
