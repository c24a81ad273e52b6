// placeholder until this subsystem has sources
