#pragma once

#include <string_view>

// Whether a fuel card's product code is motor fuel, whose purchases count on the return
// (diesel, ULSD, biodiesel, gasoline, propane, natural gas ...), or something else bought
// at the pump that must be left out (diesel exhaust fluid, reefer fuel, oil, additives,
// the shop). An empty code counts as motor fuel: the line names no other product.
bool IsMotorFuelProduct(std::string_view product);
