#pragma once

#include "check/checkcontext.h"
#include "check/finding.h"

// The rules of the quarter check, one function each. A rule appends its findings to
// `out` and nothing else; a correct quarter gives none (the exposure is not a problem
// but a figure, and applies whenever the fleet average lies above the default).

// Odometers, over the ordinary lines in trip order, only where both readings compared
// are non-zero (a record kept without odometers has zeros).
// A line whose odometer in lies past the previous line's odometer out: distance on no line.
void CheckOdometerGaps(const CheckContext &context, Findings &out);
// A line whose odometer in lies before the previous line's odometer out: counted twice.
void CheckOdometerOverlaps(const CheckContext &context, Findings &out);
// A line whose odometer out is less than its odometer in.
void CheckOdometerBackwards(const CheckContext &context, Findings &out);

// Dates and periods.
// A trip date outside the record's quarter, one that is no real date, or none at all.
void CheckOutsideQuarter(const CheckContext &context, Findings &out);
// A line equal to an earlier one in date, jurisdiction, distance, fuel and both odometers;
// one finding for each repeat.
void CheckDuplicateTrips(const CheckContext &context, Findings &out);
// The record's quarter is not the loaded table's.
void CheckPeriodMismatch(const CheckContext &context, Findings &out);
// The loaded table's country gives another unit system than the carrier's (rates per
// litre for a carrier in miles and gallons, or the reverse): TableCountryDiffers.
void CheckTableCountry(const CheckContext &context, Findings &out);
// The company's From and To dates lie outside the record's quarter, or in two quarters.
void CheckCompanyDates(const CheckContext &context, Findings &out);

// Fuel and the fleet average, from the report's figures.
// A jurisdiction (not a surcharge slot) where fuel was bought and no distance driven.
void CheckFuelWithoutDistance(const CheckContext &context, Findings &out);
// Distance in the quarter and no fuel bought anywhere.
void CheckNoFuel(const CheckContext &context, Findings &out);
// A fleet average outside 4.00-10.00 MPG or 1.70-4.25 km/L.
void CheckAverageRange(const CheckContext &context, Findings &out);
// A unit's own average outside the same range, when the lines carry unit numbers.
void CheckUnitAverageRange(const CheckContext &context, Findings &out);
// What an audit at the default average would add to the tax due, when the fleet average
// lies above it.
void CheckExposure(const CheckContext &context, Findings &out);

// Rates and surcharges against the loaded table.
// A jurisdiction whose lines carry a rate other than the table's for the record's fuel.
void CheckRateDiffers(const CheckContext &context, Findings &out);
// A jurisdiction whose lines carry different rates (the report taxes its row at one of
// them, the last line's): the rates, each with its lines and first trip.
void CheckRateMixed(const CheckContext &context, Findings &out);
// A jurisdiction with a surcharge slot whose distance differs from that slot's.
void CheckSurchargeMissing(const CheckContext &context, Findings &out);
// Trip lines whose slot lies outside the table (a damaged or hand-edited file): the
// report leaves them out. One finding: how many, and the first in trip order.
void CheckSlotOutsideTable(const CheckContext &context, Findings &out);
