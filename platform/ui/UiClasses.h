#pragma once
// Makes the platform's own component classes known to the layout reader by name.

namespace tresilva {

// Registers TLabel, TImage and TTimer (idempotent).
void RegisterUiClasses();

}  // namespace tresilva
