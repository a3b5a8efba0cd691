// Replaced by the first calculator.
