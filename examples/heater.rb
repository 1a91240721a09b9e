!COMMENT!
Room heater. The colder the room and the colder it is outside, the more heating power.
Inputs: indoor temperature (deg C) and outdoor temperature (deg C); output: heating power (%).
Nine rules cover every pair of small, medium and big; the disabled tenth rule shows how a rule is
switched off without deleting it.
!END_COMMENT!

TypeOfDescription=linguistic
InfMethod=Logical_Deduction
DefuzzMethod=SimpDefuzzLingExpression
UseFuzzyFilter=false

NumberOfAntecedentVariables=2
NumberOfSuccedentVariables=1
NumberOfRules=10

AntVariable1
 name=indoor
 settings=linguistic
 context=<10,30>
 discretization=301
 lingparams=0.05 0.304 0.4 0.94
End_AntVariable1

AntVariable2
 name=outdoor
 settings=linguistic
 context=<-25,15>
 discretization=301
 lingparams=0.05 0.304 0.4 0.94
End_AntVariable2

SucVariable1
 name=power
 settings=linguistic
 context=<0,100>
 discretization=301
 lingparams=0.05 0.304 0.4 0.94
End_SucVariable1

RULES
; a cold room: heat hard, the harder the colder it is outside
 "sm" "sm" | "ex bi"
 "sm" "me" | "ve bi"
 "sm" "bi" | "bi"
; a room at medium temperature: keep it there
 "me" "sm" | "ml bi"
 "me" "me" | "me"
 "me" "bi" | "ml sm"
; a warm room: little or no heating
 "bi" "sm" | "sm"
 "bi" "me" | "ve sm"
 "bi" "bi" | "ex sm"
# "ex sm" "ex sm" | "ex bi"
END_RULES
