// COM on the user-interface thread for one pass of the wizard (the folder
// browser of the pages needs it).
#pragma once

class ComApartment {
public:
  // Throws mirrex::Win32Error when COM cannot be initialised.
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
};
