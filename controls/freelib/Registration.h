#pragma once
// Makes the freelib controls known to the layout reader by class name.
namespace tresilva {

void RegisterFreelibControls();

}  // namespace tresilva
