// The project file format is filled in by its own work.
