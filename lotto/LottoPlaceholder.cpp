// Replaced by the first lotto generator.
