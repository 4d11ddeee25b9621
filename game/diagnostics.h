// diagnostics.h -- the lines appended to "lista.txt" while space is held.
#pragma once

// Frame step 3: pause 100 ms and append the two lines, if space is down.
void WriteDiagnostics();
