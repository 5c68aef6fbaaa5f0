#pragma once
// The start-up of the program, shared by the entry and the tests: the classes
// the layouts name, and the four windows created hidden in their order.
namespace tresilva {

// Makes every control class of the layouts known to the layout reader.
void RegisterAppClasses();

// Sets the title and creates Form1, taux, apropos and config from their
// layout resources, in that order, all hidden. An unreadable layout raises.
void CreateWindows();

// Frees the four windows (tests create them again).
void DestroyWindows();

}  // namespace tresilva
