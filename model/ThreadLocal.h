#ifndef THREADLOCAL_H
#define THREADLOCAL_H

// Per-thread data of the core. Every program links the core into its own executable, so such
// data lies at a fixed offset from the thread pointer: the initial-exec model reaches it
// without a call, and the programs do not come to depend on the dynamic loader by name (as the
// general model's __tls_get_addr would make them).
#define QUORVANT_THREAD_LOCAL thread_local __attribute__((tls_model("initial-exec")))

#endif // THREADLOCAL_H
